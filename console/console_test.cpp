#include "console/console.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

// Lines end at the line feed, a carriage return before it dropped; the end is
// reported each time it is met. The pause takes one line without a terminal; on
// a terminal one key, and a terminal that closes ends the input.
TEST(Console, LinesAndThePause) {
    // clang-format off
    const struct { const char* typed; bool (*waitForKey)(); const char* lines; } cases[] = {
        {"", nullptr, ""}, {"\n", nullptr, "[]"}, {"abc\r\n\r\ndef", nullptr, "[abc][][def]"},
        {"a\r\r\nb\r", nullptr, "[a\r][b]"},
        // "P": a pause comes first.
        {"jotain\nseuraava\n", nullptr, "P[seuraava]"}, {"jotain", nullptr, "P"},
        {"seuraava\n", [] { return true; }, "P[seuraava]"},
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
        EXPECT_EQ(lines, c.lines);
        EXPECT_FALSE(readLine(console, lines));
        EXPECT_EQ(out.str(), c.lines[0] == 'P' ? PAUSE : "");
        EXPECT_EQ(console.endReports, 2u) << c.typed;
    }
}
