#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

/// Answers the program's command-line arguments (without the program's name).
/// No value when there are none: the game is to be played. Otherwise every
/// argument must be an option the program knows, and the first one decides:
/// "--help" or "-h" ("/?" too on Windows) prints the usage, in Finnish and then
/// in English, to `out`; "--version" or "-V" prints "vaskipiikkikisa" and the
/// version; either gives status 0, or 1 with a line on `err` when `out` cannot
/// take the text. The first argument not known gives two lines on `err`, the
/// argument with its control bytes as '?', and status 2. The usage holds code
/// page 850 bytes, as every text of the game does; nothing else is touched.
std::optional<int> answerArguments(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& err);
