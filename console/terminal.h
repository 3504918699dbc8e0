#pragma once

/// True when standard input is a terminal.
bool inputIsTerminal();

/// Waits for one key press on the terminal of standard input, without echo and
/// without Enter, then restores the terminal's mode (also when a signal ends
/// the program during the wait). False when the terminal has no more input.
bool waitForKeyPress();
