#include "console/text.h"

#include <string>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(TextTest, WhitespaceIsTheSixAsciiControlsAndBlank) {
    for (int byte = 0; byte < 256; ++byte) {
        const bool expected = byte == ' ' || (byte >= '\t' && byte <= '\r');
        EXPECT_EQ(isWhitespace(static_cast<char>(byte)), expected) << "byte " << byte;
    }
}

// A text is blank exactly when trimming leaves nothing.
TEST(TextTest, TrimmingKeepsInnerBlanksAndLetters) {
    const struct {
        std::string text;
        std::string trimmed;
    } cases[] = {
        {cp850("  Vihreä Joukkue  "), cp850("Vihreä Joukkue")},
        {cp850("ä  "), cp850("ä")},
        {cp850("  Ö"), cp850("Ö")},
        {"", ""},
        {" \t\r\n\v\f", ""},
        {"\t x  y \r\n", "x  y"},
        {"\xA0x\x85", "\xA0x\x85"},
        {" \x85 ", "\x85"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trimmed(c.text), c.trimmed) << '"' << c.text << '"';
        EXPECT_EQ(isBlank(c.text), c.trimmed.empty()) << '"' << c.text << '"';
    }
}

TEST(TextTest, UpperCasingTouchesOnlyAToZ) {
    EXPECT_EQ(upperCased(cp850("Ville-äijä 2")), cp850("VILLE-äIJä 2"));
    EXPECT_EQ(upperCased("`az{@AZ["), "`AZ{@AZ[");
    EXPECT_EQ(upperCased("\xE4\xF6"), "\xE4\xF6");
}

}  // namespace
