#include "console/encoding.h"

#include <gtest/gtest.h>

#include <sstream>

#include "console/console.h"

namespace {

TEST(Encoding, LettersOfTheUpperHalfBothWays) {
    const struct {
        unsigned char byte;
        const char* utf8;
    } cases[] = {{0x84, "ä"}, {0x94, "ö"}, {0x86, "å"}, {0x8E, "Ä"}, {0x99, "Ö"},
                 {0x8F, "Å"}, {0x80, "Ç"}, {0x81, "ü"}, {0x9F, "ƒ"}, {0xB0, "░"},
                 {0xC9, "╔"}, {0xD5, "ı"}, {0xE1, "ß"}, {0xFE, "■"}, {0xFF, "\u00A0"}};
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(cp850ToUtf8(byte), c.utf8) << int{c.byte};
        EXPECT_EQ(utf8ToCp850(c.utf8), byte) << int{c.byte};
    }
}

// Every byte has a character of its own: a slip that gave two bytes the same
// character would send one of them back as the other.
TEST(Encoding, EveryByteComesBackUnchanged) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(utf8ToCp850(cp850ToUtf8(all)), all);
}

// Octal escapes where a letter follows: "\377a" is the byte 0xFF and an a.
TEST(Encoding, CharactersTheCodePageLacksAndBrokenBytesBecomeQuestionMarks) {
    const struct {
        const char* typed;
        const char* held;
    } cases[] = {
        {"€uro", "?uro"}, {"Zoë😀", "Zo\x89?"}, {"\377a", "?a"},      {"\x80", "?"},
        {"\xC3", "?"},    {"\303A", "?A"},     {"\342\202x", "??x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8ToCp850(c.typed), c.held) << c.typed;
    // Overlong forms, a surrogate and a character past U+10FFFF: one '?' a byte.
    for (const std::string bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80"})
        EXPECT_EQ(utf8ToCp850(bad), std::string(bad.size(), '?')) << bad;
}

TEST(Encoding, BytesMissingFromTheLastCharacter) {
    const struct {
        const char* bytes;
        std::size_t missing;
    } cases[] = {{"", 0},         {"a", 0},        {"\xC3", 1},     {"x\xC3\xA4", 0},
                 {"\xE2\x82", 1}, {"\xF0\x9F", 2}, {"\x80\x80", 0}, {"\xF0\x9F\x98\x80", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(utf8BytesMissing(c.bytes), c.missing) << c.bytes;
}

// Hands out one byte per read, the way a slow terminal may, so a character
// arrives split between reads.
struct TrickleBuffer : std::streambuf {
    explicit TrickleBuffer(std::string bytes) : text(std::move(bytes)) {}
    int_type underflow() override {
        if (at == text.size())
            return traits_type::eof();
        setg(&text[at], &text[at], &text[at] + 1);
        ++at;
        return traits_type::to_int_type(*gptr());
    }
    std::string text;
    std::size_t at = 0;
};

TEST(Utf8Console, TranslatesBothWaysWhileItLives) {
    std::ostringstream screen;
    TrickleBuffer keyboard("\xC3\x84ij\xC3\xA4\r\n\xC3\nJ");
    std::istream in(&keyboard);
    std::string first, second, third, fourth;
    {
        const Utf8Console translated(in, screen);
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
    // Once the translation ends, the streams have their own buffers back.
    screen << "\x84";
    EXPECT_EQ(screen.str(), "Anna heittäjä 1: Öljy\n\x84");
}

}  // namespace
