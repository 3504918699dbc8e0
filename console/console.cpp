#include "console/console.h"

bool readLine(Console& console, std::string& line) {
    console.out.flush();
    if (console.inputEnded) {
        ++console.readsAfterEnd;
        return false;
    }
    if (!std::getline(console.in, line)) {
        console.inputEnded = true;
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool ask(Console& console, const std::string& prompt, std::string& line) {
    console.out << prompt;
    return readLine(console, line);
}

void clearScreen(Console& console) { console.out << "\x1b[H\x1b[2J\x1b[3J"; }

void pause(Console& console) {
    console.out << "Jatka painamalla mit\x84 tahansa n\x84pp\x84int\x84 . . . ";
    console.out.flush();
    if (console.waitForKey != nullptr && !console.inputEnded) {
        if (!console.waitForKey()) {
            console.inputEnded = true;
        }
    } else {
        std::string ignored;
        readLine(console, ignored);
    }
    console.out << '\n';
}
