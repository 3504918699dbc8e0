#include "console/encoding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "console/console.h"
#include "support/test_support.h"

namespace {

// The locale of the environment as each kind of terminal meets it. fi_FI and
// fi_FI@euro are built here, as older Finnish set-ups have them; their names
// give no set, so only the loaded locale can tell it.
TEST(Encoding, CharacterSetOfTheLocale) {
    const ScratchDir dir;
    // A name with a slash makes localedef write a folder, not the system's archive.
    ASSERT_EQ(std::system("localedef -i fi_FI -f ISO-8859-1 ./fi_FI && "
                          "localedef -i fi_FI -f ISO-8859-15 ./fi_FI@euro"),
              0)
        << "localedef and the locales package are needed";
    setenv("LOCPATH", dir.path.c_str(), 1);
    const struct {
        const char* variable;
        const char* value;
        bool terminal;
        const char* charset;
    } cases[] = {{"LANG", "fi_FI", false, "ISO-8859-1"},
                 {"LC_ALL", "fi_FI@euro", true, "ISO-8859-15"},
                 {"LC_CTYPE", "C", true, "UTF-8"},
                 {"LC_ALL", "POSIX", false, ""},
                 {"LANG", "fi_FI.UTF-8@euro", false, "UTF-8"},  // not installed
                 {"LANG", "xx_YY", true, "UTF-8"},
                 {"LANG", "xx_YY", false, ""}};
    for (const auto& c : cases) {
        for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"})
            unsetenv(variable);
        setenv(c.variable, c.value, 1);
        EXPECT_EQ(terminalCharset(c.terminal), c.charset) << c.value << c.terminal;
    }
    unsetenv("LOCPATH");
}

// Octal escapes where a digit or letter follows: "\2440" is the byte 0xA4, a 0.
TEST(Encoding, ConvertsEachWayAndMarksWhatTheOtherSideLacks) {
    const std::string finnish = "\x84\x94\x86\x8E\x99\x8F\x89";  // äöåÄÖÅë
    const struct {
        const char* charset;
        std::string held, shown, typed, arrived;
    } cases[] = {
        {"UTF-8", finnish + "\xB0", "äöåÄÖÅë░", "€uroZoë😀\377a\342\202x\xC0\x80\xED\xA0\x80\xC3",
         "?uroZo\x89??a??x??????"},
        {"ISO-8859-1", finnish + "\xB0", "\xE4\xF6\xE5\xC4\xD6\xC5\xEB?", "\2440", "\3170"},
        {"ISO-8859-15", finnish + "\xCF", "\xE4\xF6\xE5\xC4\xD6\xC5\xEB?", "\2440", "?0"},
    };
    for (const auto& c : cases) {
        CharsetConversion conversion;
        ASSERT_TRUE(openCharset(conversion, c.charset));
        EXPECT_EQ(toTerminal(conversion, c.held), c.shown) << c.charset;
        EXPECT_EQ(fromTerminal(conversion, c.shown),
                  c.shown.back() == '?' ? finnish + "?" : c.held);
        EXPECT_EQ(fromTerminal(conversion, c.typed), c.arrived) << c.charset << c.typed;
    }
    // Every console byte has a character of its own in UTF-8.
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    CharsetConversion utf8;
    ASSERT_TRUE(openCharset(utf8, "UTF-8"));
    EXPECT_EQ(fromTerminal(utf8, toTerminal(utf8, all)), all);
    EXPECT_FALSE(openCharset(utf8, "no-such-set"));
}

TEST(Encoding, KeyCutShortInsideACharacter) {
    const struct {
        const char* charset;
        const char* typed;
        bool inside;
    } cases[] = {{"UTF-8", "", false},          {"UTF-8", "\xC3", true},
                 {"UTF-8", "x\xC3\xA4", false}, {"UTF-8", "\xF0\x9F\x98", true},
                 {"UTF-8", "\x80\xC3", false},  {"EUC-JP", "\xA4", true},
                 {"EUC-JP", "\xA4\xA2", false}, {"ISO-8859-1", "\xC3", false}};
    for (const auto& c : cases) {
        CharsetConversion conversion;
        ASSERT_TRUE(openCharset(conversion, c.charset));
        EXPECT_EQ(endsInsideCharacter(conversion, c.typed), c.inside) << c.charset << c.typed;
    }
}

// Hands out one byte per read, the way a slow terminal may, so a character
// arrives split between reads.
struct TrickleBuffer : std::streambuf {
    explicit TrickleBuffer(std::string bytes) : text(std::move(bytes)) {}
    int_type underflow() override {
        if (at == text.size())
            return traits_type::eof();
        setg(&text[at], &text[at], &text[at] + 1);
        return traits_type::to_int_type(text[at++]);
    }
    std::string text;
    std::size_t at = 0;
};

TEST(Encoding, StreamsConvertBothWaysWhileTheyLive) {
    std::ostringstream screen;
    TrickleBuffer keyboard("\xC3\x84ij\xC3\xA4\r\n\xC3\nJ");
    std::istream in(&keyboard);
    std::string first, second, third, fourth;
    {
        CharsetConversion utf8;
        ASSERT_TRUE(openCharset(utf8, "UTF-8"));
        const ConvertedStreams converted(in, screen, utf8);
        Console console{in, screen};
        ASSERT_TRUE(ask(console, "Anna heitt\x84j\x84 1: ", first));
        ASSERT_TRUE(readLine(console, second));
        ASSERT_TRUE(readLine(console, third));
        EXPECT_FALSE(readLine(console, fourth));
        screen << "\x99ljy\n";
    }
    EXPECT_EQ(first, "\x8Eij\x84");
    EXPECT_EQ(second, "?");
    EXPECT_EQ(third, "J");
    // Once the conversion ends, the streams have their own buffers back.
    screen << "\x84";
    EXPECT_EQ(screen.str(), "Anna heittäjä 1: Öljy\n\x84");
}

}  // namespace
