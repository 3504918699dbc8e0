#include "console/console.h"

#include "console/platform/terminal.h"
#include "format/text.h"

namespace {

// A key press is always waited for; a line only when none is typed ahead.
void beforeWaiting(Console& console, bool forKey) {
    if (!console.inputEnded && console.beforeWaiting && (forKey || !inputWaiting(console))) {
        console.beforeWaiting();
    }
}

// Shows what was printed. Once the output is gone for good (a closed
// terminal) no prompt can be seen, and the input counts as ended.
void show(Console& console) {
    if (!console.out.flush()) {
        console.inputEnded = true;
    }
}

// Typed lines end like the lines of a file: one carriage return before the
// line feed is dropped.
bool nextLine(Console& console, std::string& line) {
    std::string typed;
    if (console.inputEnded || !std::getline(console.in, typed)) {
        console.inputEnded = true;
        ++console.endReports;
        return false;
    }
    std::size_t at = 0;
    line.clear();
    takeLine(typed, at, line);
    return true;
}

}  // namespace

bool inputWaiting(Console& console) {
    std::streambuf* buffer = console.in.rdbuf();
    return buffer != nullptr && buffer->in_avail() > 0;
}

bool ask(Console& console, const std::string& prompt, std::string& line) {
    console.out << prompt;
    // Work held back is done before the prompt shows, so what the operator
    // sees is never ahead of it.
    beforeWaiting(console, false);
    show(console);
    return nextLine(console, line);
}

void clearScreen(Console& console) {
    console.out << CLEAR_SCREEN;
}

bool pause(Console& console) {
    console.out << "Jatka painamalla mit\x84 tahansa n\x84pp\x84int\x84 . . . ";
    beforeWaiting(console, console.waitForKey != nullptr);
    show(console);
    if (console.waitForKey == nullptr) {
        std::string ignored;
        nextLine(console, ignored);
    } else if (!console.inputEnded && !console.waitForKey()) {
        console.inputEnded = true;
    }
    console.out << '\n';
    return !console.inputEnded;
}
