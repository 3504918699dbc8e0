#pragma once

#include <string>

/// Console text as results-file text: every code page 850 byte whose letter or
/// sign ISO 8859-1 has (ä, ö, å, Ä, Ö, Å, ë, ø, é, £ ...) becomes its ISO 8859-1
/// byte, every other byte from 0x80 up (box drawing, ƒ, ı, ‗) becomes "?", and
/// bytes below 0x80 stay. The length never changes, so the columns stay.
std::string toFileText(std::string text);
