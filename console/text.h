#pragma once

#include <string>

/// Blank, tab, line feed, vertical tab, form feed or carriage return. Bytes
/// from 0x80 upward (the Finnish letters among them) never are.
bool isWhitespace(char c);

/// True when the text is empty or holds whitespace only.
bool isBlank(const std::string& text);

/// The text without leading and trailing whitespace.
std::string trimmed(std::string text);

/// The text with a to z made capitals; every other byte, the Finnish letters
/// included, stays as it is.
std::string upperCased(std::string text);
