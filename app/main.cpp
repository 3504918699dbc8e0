#include <iostream>

#include "app/arguments.h"
#include "app/driver.h"
#include "app/game_state.h"
#include "console/console.h"
#include "console/platform/clock.h"
#include "console/platform/terminal.h"

// Runs the game on the process's console; the terminal streams convert for the
// terminal, and the game itself sees code page 850 bytes either way.
int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    const TerminalStreams terminal(std::cin, std::cout);
    // Help, the version or a refusal, before any file is touched; the help's
    // letters reach the terminal as the game's do.
    if (const auto status = answerArguments({argv + 1, argv + argc}, std::cout, std::cerr)) {
        return *status;
    }
    Console console{std::cin, std::cout};
    if (inputIsTerminal()) {
        console.waitForKey = waitForKeyPress;
    }
    GameState state;
    return runGame(console, localNow, state);
}
