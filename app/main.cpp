#include <ctime>
#include <iostream>

#include "app/driver.h"
#include "app/game_state.h"
#include "console/console.h"
#include "console/terminal.h"

namespace {

LocalTime localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return LocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                     parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

}  // namespace

int main() {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    Console console{std::cin, std::cout};
    if (inputIsTerminal()) {
        console.waitForKey = waitForKeyPress;
    }
    GameState state;
    return runGame(console, localNow, state);
}
