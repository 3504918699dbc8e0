#pragma once

#include <string>

/// True while the bytes of one key press read so far are only its start: a
/// letter of several bytes cut short (`insideCharacter`, as the terminal's
/// character set tells), or an escape sequence (an arrow or function key)
/// without its last byte. Bytes as long as the longest key end it whatever
/// they hold.
bool keyIncomplete(const std::string& key, bool insideCharacter);
