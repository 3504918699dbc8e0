#include "console/text.h"

#include <string>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(TextTest, WhitespaceIsTheSixAsciiControlsAndBlank) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const bool expected = byte == ' ' || (byte >= '\t' && byte <= '\r');
        EXPECT_EQ(isWhitespace(c), expected) << "byte " << byte;
    }
}

TEST(TextTest, BlankTexts) {
    const struct {
        std::string text;
        bool blank;
    } cases[] = {
        {"", true},          {" \t ", true},        {"\r\n\v\f", true},
        {cp850("ä"), false}, {cp850(" ö "), false}, {"\xA0", false},
        {" \x85 ", false},   {"a", false},          {"  x", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isBlank(c.text), c.blank) << '"' << c.text << '"';
    }
}

TEST(TextTest, TrimmingKeepsInnerBlanksAndLetters) {
    const struct {
        std::string text;
        std::string trimmed;
    } cases[] = {
        {cp850("  Vihreä Joukkue  "), cp850("Vihreä Joukkue")},
        {cp850("ä  "), cp850("ä")},
        {cp850("  Ö"), cp850("Ö")},
        {"     ", ""},
        {"", ""},
        {"\t x  y \r\n", "x  y"},
        {"\xA0x\x85", "\xA0x\x85"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trimmed(c.text), c.trimmed) << '"' << c.text << '"';
    }
}

TEST(TextTest, UpperCasingTouchesOnlyAToZ) {
    EXPECT_EQ(upperCased(cp850("Ville-äijä 2")), cp850("VILLE-äIJä 2"));
    EXPECT_EQ(upperCased("matti"), upperCased("MATTI"));
    EXPECT_NE(upperCased(cp850("äijä")), upperCased(cp850("ÄIJÄ")));
    EXPECT_EQ(upperCased("`az{@AZ["), "`AZ{@AZ[");
    EXPECT_EQ(upperCased("\xE4\xF6"), "\xE4\xF6");
}

}  // namespace
