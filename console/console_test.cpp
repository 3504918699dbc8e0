#include "console/console.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

TEST(Console, LinesEndAtTheLineFeedAndTheEndIsReportedEachTime) {
    const struct {
        const char* typed;
        const char* lines;
    } cases[] = {{"", ""},
                 {"\n", "[]"},
                 {"abc\ndef", "[abc][def]"},
                 {"abc\r\n\r\n", "[abc][]"},
                 {"a\r\r\nb\r", "[a\r][b]"}};
    for (const auto& c : cases) {
        std::istringstream in(c.typed);
        std::ostringstream out;
        Console console{in, out};
        std::string lines;
        std::string line;
        while (readLine(console, line)) {
            lines += "[" + line + "]";
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_FALSE(readLine(console, line));
        EXPECT_EQ(console.endReports, 2u);
    }
}

// Without a terminal the pause takes one line; on a terminal, one key, and a
// terminal that closes ends the input.
TEST(Console, PauseTakesOneLineOrOneKey) {
    const struct {
        const char* typed;
        bool (*waitForKey)();
        const char* lineAfter;
    } cases[] = {{"jotain\nseuraava\n", nullptr, "seuraava"},
                 {"\nseuraava", nullptr, "seuraava"},
                 {"jotain", nullptr, "(end)"},
                 {"", nullptr, "(end)"},
                 {"seuraava\n", [] { return true; }, "seuraava"},
                 {"seuraava\n", [] { return false; }, "(end)"}};
    for (const auto& c : cases) {
        std::istringstream in(c.typed);
        std::ostringstream out;
        Console console{in, out, c.waitForKey};
        pause(console);
        EXPECT_EQ(out.str(), PAUSE);
        std::string line;
        EXPECT_EQ(readLine(console, line) ? line : "(end)", c.lineAfter) << c.typed;
    }
}
