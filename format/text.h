#pragma once

#include <cstddef>
#include <string>

/// Blank, tab, line feed, vertical tab, form feed or carriage return. Bytes
/// from 0x80 upward (the Finnish letters among them) never are.
bool isWhitespace(char c);

/// True when the text is empty or holds whitespace only.
bool isBlank(const std::string& text);

/// The text without leading and trailing whitespace.
std::string trimmed(std::string text);

/// The text with every control byte (0x00 to 0x1F and 0x7F) made '?', so a
/// name from the keyboard or a file cannot move the cursor, clear the screen
/// or send the terminal any other command when shown. Every other byte, the
/// Finnish letters included, stays; the length never changes.
std::string withoutControlBytes(std::string text);

/// The text with a to z made capitals; every other byte, the Finnish letters
/// included, stays as it is.
std::string upperCased(std::string text);

/// Takes the line that starts at `at` into `line`: the bytes up to the next
/// line feed (or the end of the text), without it and without one carriage
/// return before it, so either line end reads alike; `at` moves past the line
/// feed. False, with nothing taken, when `at` is at the end of the text.
bool takeLine(const std::string& text, std::size_t& at, std::string& line);
