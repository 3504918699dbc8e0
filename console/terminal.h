#pragma once

#include "format/stamps.h"

/// Readies standard input and output for the run, before either is used:
/// bytes pass both ways unchanged, and where they are a console (Windows) it
/// takes and shows code page 850 and understands the screen-clearing bytes;
/// the console is put back as it was when the program ends, also by Ctrl-C.
void prepareConsole();

/// Takes the locale named by the environment and tells whether its character
/// set is UTF-8. The C library is left in its default locale afterwards, so
/// nothing else in the program changes with the environment.
bool environmentUsesUtf8();

/// True when standard input is a terminal.
bool inputIsTerminal();

/// Waits for one key press on the terminal of standard input, without echo and
/// without Enter, then restores the terminal's mode (also when a signal ends
/// or stops the program during the wait). A key that sends several bytes (an
/// arrow or function key) is taken whole. False when the terminal has no more
/// input.
bool waitForKeyPress();

/// The same on a UTF-8 terminal: a letter of several bytes is taken whole too.
bool waitForUtf8KeyPress();

/// The local date and time now, from the platform's calendar clock.
LocalTime localNow();
