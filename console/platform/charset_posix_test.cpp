#include "console/platform/charset_posix.h"

#include <gtest/gtest.h>

#include <numeric>

#include "support/test_support.h"

TEST(Charset, ConvertsEachWayAndMarksWhatTheOtherSideLacks) {
    const std::string finnish = "\x84\x94\x86\x8E\x99\x8F\x89";  // äöåÄÖÅë
    const std::string latin = "\xE4\xF6\xE5\xC4\xD6\xC5\xEB?";   // the same, and one missing
    // clang-format off
    const struct { const char* name; std::string held, shown, back, in, got, part; bool cut, all; } cases[] = {
        {"UTF-8", finnish + "\xB0", "äöåÄÖÅë░", finnish + "\xB0",
         "€uroZoë😀\377a\342\202x\xC0\x80\xED\xA0\x80\xC3", "?uroZo\x89??a??x??????",
         "x\xF0\x9F\x98", true, true},
        {"ISO-8859-1", finnish + "\xB0", latin, finnish + "?", "\xA4" "0", "\xCF" "0", "\xC3", false, false},
        {"ISO-8859-15", finnish + "\xCF", latin, finnish + "?", "\xA4" "0", "?0", "", false, false},
        {"EUC-JP", "J", "J", "J", "\xA4\xA2", "?", "\xA4", true, false}};
    // clang-format on
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    CharsetConversion set;  // opened again for each set
    for (const auto& c : cases) {
        ASSERT_TRUE(openCharset(set, c.name));
        EXPECT_EQ(toTerminal(set, c.held), c.shown) << c.name;
        EXPECT_EQ(fromTerminal(set, c.shown), c.back) << c.name;
        EXPECT_EQ(fromTerminal(set, c.in), c.got) << c.name << c.in;
        EXPECT_EQ(endsInsideCharacter(set, c.part), c.cut) << c.name;
        EXPECT_FALSE(endsInsideCharacter(set, c.shown)) << c.name;
        // Every console byte has a character of its own in UTF-8 only.
        EXPECT_EQ(fromTerminal(set, toTerminal(set, all)) == all, c.all) << c.name;
    }
    EXPECT_FALSE(openCharset(set, "no-such-set"));
}
