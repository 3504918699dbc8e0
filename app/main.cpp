#include <iostream>

#include "app/driver.h"
#include "app/game_state.h"
#include "console/console.h"
#include "console/encoding.h"
#include "console/terminal.h"

namespace {

// Runs the game on the process's console; on a UTF-8 terminal the console
// streams translate, and the game itself sees code page 850 bytes either way.
int play(bool utf8) {
    Console console{std::cin, std::cout};
    if (inputIsTerminal()) {
        console.waitForKey = utf8 ? waitForUtf8KeyPress : waitForKeyPress;
    }
    GameState state;
    return runGame(console, localNow, state);
}

}  // namespace

int main() {
    prepareConsole();
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    if (!environmentUsesUtf8()) {
        return play(false);
    }
    const Utf8Console translated(std::cin, std::cout);
    return play(true);
}
