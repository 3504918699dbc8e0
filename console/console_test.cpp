#include "console/console.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

// A line ends at the line feed, less a carriage return before it; the end is reported each
// time it is met. A pause ("P") takes a line, or a key at a terminal; a closed one ends input.
TEST(Console, LinesAndThePause) {
    // clang-format off
    const struct { const char* typed; bool (*waitForKey)(); const char* lines; } cases[] = {
        {"", nullptr, ""}, {"\n", nullptr, "[]"}, {"abc\r\n\r\ndef", nullptr, "[abc][][def]"},
        {"a\r\r\nb\r", nullptr, "[a\r][b]"}, {"jotain\nseuraava\n", nullptr, "P[seuraava]"},
        {"jotain", nullptr, "P"}, {"seuraava\n", [] { return true; }, "P[seuraava]"},
        {"seuraava\n", [] { return false; }, "P"}};
    // clang-format on
    for (const auto& c : cases) {
        std::istringstream in(c.typed);
        std::ostringstream out;
        Console console{in, out, c.waitForKey};
        std::string lines;
        if (c.lines[0] == 'P') {
            pause(console);
            lines = "P";
        }
        for (std::string line; readLine(console, line);)
            lines += "[" + line + "]";
        EXPECT_TRUE(lines == c.lines && !readLine(console, lines) &&
                    out.str() == (c.lines[0] == 'P' ? PAUSE : "") && console.endReports == 2u)
            << c.typed << lines << out.str();
    }
}
