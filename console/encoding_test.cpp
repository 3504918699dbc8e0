#include "console/encoding.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <numeric>

#include "support/test_support.h"

namespace {

// The locale of the environment as each kind of terminal meets it. fi_FI and
// fi_FI@euro, as older Finnish set-ups have them, are built here: their names
// give no set, so only the loaded locale can tell it.
TEST(Encoding, CharacterSetOfTheLocale) {
    const ScratchDir dir;
    // A name with a slash makes localedef write a folder, not the system's archive.
    ASSERT_EQ(0, std::system("localedef -i fi_FI -f ISO-8859-1 ./fi_FI && "
                             "localedef -i fi_FI -f ISO-8859-15 ./fi_FI@euro"))
        << "localedef and the locales package are needed";
    setenv("LOCPATH", dir.path.c_str(), 1);
    // clang-format off
    const struct { const char *variable, *value; bool terminal; const char* charset; } cases[] = {
        {"LANG", "fi_FI", false, "ISO-8859-1"}, {"LC_ALL", "fi_FI@euro", true, "ISO-8859-15"},
        {"LC_CTYPE", "C", true, "UTF-8"},       {"LC_ALL", "POSIX", false, ""},
        {"LANG", "xx_YY", true, "UTF-8"},       {"LANG", "xx_YY", false, ""},
        {"LANG", "fi_FI.UTF-8@euro", false, "UTF-8"}};  // not installed
    // clang-format on
    for (const auto& c : cases) {
        unsetenv("LC_ALL"), unsetenv("LC_CTYPE"), unsetenv("LANG");
        setenv(c.variable, c.value, 1);
        EXPECT_EQ(terminalCharset(c.terminal), c.charset) << c.value << c.terminal;
        EXPECT_STREQ(std::setlocale(LC_CTYPE, nullptr), "C");  // text stays byte by byte
    }
    unsetenv("LOCPATH");
}

// Octal escapes where a digit follows: "\2440" is the byte 0xA4, then a 0.
TEST(Encoding, ConvertsEachWayAndMarksWhatTheOtherSideLacks) {
    const std::string finnish = "\x84\x94\x86\x8E\x99\x8F\x89";  // äöåÄÖÅë
    const std::string latin = "\xE4\xF6\xE5\xC4\xD6\xC5\xEB?";   // the same, and one missing
    // clang-format off
    const struct { const char* charset; std::string held, shown, typed, arrived, cutKey; bool cut; }
    cases[] = {
        {"UTF-8", finnish + "\xB0", "äöåÄÖÅë░", "€uroZoë😀\377a\342\202x\xC0\x80\xED\xA0\x80\xC3",
         "?uroZo\x89??a??x??????", "x\xF0\x9F\x98", true},
        {"ISO-8859-1", finnish + "\xB0", latin, "\2440", "\3170", "\xC3", false},
        {"ISO-8859-15", finnish + "\xCF", latin, "\2440", "?0", "", false},
        {"EUC-JP", "J", "J", "\xA4\xA2", "?", "\xA4", true}};
    // clang-format on
    for (const auto& c : cases) {
        CharsetConversion conversion;
        ASSERT_TRUE(openCharset(conversion, c.charset));
        EXPECT_EQ(toTerminal(conversion, c.held), c.shown) << c.charset;
        EXPECT_EQ(fromTerminal(conversion, c.shown),
                  c.shown.back() == '?' ? finnish + "?" : c.held);
        EXPECT_EQ(fromTerminal(conversion, c.typed), c.arrived) << c.charset << c.typed;
        EXPECT_EQ(endsInsideCharacter(conversion, c.cutKey), c.cut) << c.charset;
        EXPECT_FALSE(endsInsideCharacter(conversion, c.shown)) << c.charset;
    }
    // Every console byte has a character of its own in UTF-8.
    std::string all(256, '\0');
    std::iota(all.begin(), all.end(), '\0');
    CharsetConversion utf8;
    EXPECT_TRUE(openCharset(utf8, "UTF-8") && fromTerminal(utf8, toTerminal(utf8, all)) == all);
    EXPECT_FALSE(openCharset(utf8, "no-such-set"));
}

}  // namespace
