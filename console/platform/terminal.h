#pragma once

#include <istream>
#include <memory>
#include <ostream>

/// The bytes that clear the screen: home, erase the screen and its scroll-back.
constexpr const char* CLEAR_SCREEN = "\x1b[H\x1b[2J\x1b[3J";

/// The process's console for the run. While this value lives, `in` and `out`
/// (standard input and output) carry console bytes, code page 850, whatever
/// the terminal speaks: where the terminal's character set differs, typed
/// lines and printed text are converted on the way. When it ends, what was
/// printed is flushed and the console is left as it was found.
struct TerminalStreams {
    TerminalStreams(std::istream& in, std::ostream& out);
    ~TerminalStreams();
    TerminalStreams(const TerminalStreams&) = delete;
    TerminalStreams& operator=(const TerminalStreams&) = delete;

    struct Platform;
    std::unique_ptr<Platform> platform;
};

/// True when standard input is a terminal.
bool inputIsTerminal();

/// Waits for one key press on the terminal of standard input, without echo and
/// without Enter, then restores the terminal's mode (also when a signal ends
/// or stops the program during the wait). A key that sends several bytes (an
/// arrow or function key, or a letter of several bytes in the terminal's
/// character set) is taken whole. False when the terminal has no more input.
bool waitForKeyPress();
