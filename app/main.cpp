#include <iostream>

#include "app/driver.h"
#include "app/game_state.h"
#include "console/console.h"
#include "console/platform/clock.h"
#include "console/platform/terminal.h"

// Runs the game on the process's console; the terminal streams convert for the
// terminal, and the game itself sees code page 850 bytes either way.
int main() {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    const TerminalStreams terminal(std::cin, std::cout);
    Console console{std::cin, std::cout};
    if (inputIsTerminal()) {
        console.waitForKey = waitForKeyPress;
    }
    GameState state;
    return runGame(console, localNow, state);
}
