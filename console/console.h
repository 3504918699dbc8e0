#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>

/// The operator's console: typed lines come from `in`, everything shown goes
/// to `out`. The program's own text is console bytes (code page 850 letters);
/// any translation for the real terminal happens in the streams given here.
struct Console {
    std::istream& in;
    std::ostream& out;
    /// Waits for one key press on a real terminal and tells whether one came;
    /// null when input is not a terminal, and a pause then takes one line.
    bool (*waitForKey)() = nullptr;
    /// When set, called before a read or a pause finds no typed input waiting
    /// and may have to wait for the operator: work held back is done then.
    std::function<void()> beforeWaiting = nullptr;
    /// Set once the input is found to have ended: every later read ends too.
    bool inputEnded = false;
    /// How often a read has reported the end of input. The program never
    /// looks at it: every caller stops at the first report, and this count is
    /// how the tests see that none reads on after it.
    unsigned endReports = 0;
};

/// True when typed input is already waiting, so the next read returns without
/// waiting for the operator.
bool inputWaiting(Console& console);

/// Prints the prompt (no line break), flushes, and reads the answer: the bytes
/// up to the line feed, without it and without one carriage return before it.
/// A last line without a line feed counts. False at the end of input.
bool ask(Console& console, const std::string& prompt, std::string& line);

/// Clears the screen.
void clearScreen(Console& console);

/// Asks for a key press and waits for it (one line when input is not a
/// terminal); returns at once at the end of input. False when the input has
/// ended.
bool pause(Console& console);
