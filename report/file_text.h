#pragma once

#include <string>

/// Console text as results-file text: the code page 850 bytes of ä, ö, å, Ä,
/// Ö and Å become their ISO 8859-1 bytes; every other byte stays, so the
/// length never changes.
std::string toFileText(std::string text);
