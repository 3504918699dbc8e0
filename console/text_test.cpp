#include "console/text.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

TEST(Text, WhitespaceIsTheSixAsciiControlsAndBlank) {
    for (int byte = 0; byte < 256; ++byte) {
        const bool expected = byte == ' ' || (byte >= '\t' && byte <= '\r');
        EXPECT_EQ(isWhitespace(static_cast<char>(byte)), expected) << "byte " << byte;
    }
}

// A text is blank exactly when trimming leaves nothing.
TEST(Text, TrimmingKeepsInnerBlanksAndLetters) {
    const struct {
        std::string text;
        std::string trimmed;
    } cases[] = {{cp850("  Vihreä Joukkue  "), cp850("Vihreä Joukkue")},
                 {cp850("ä  "), cp850("ä")},
                 {cp850("  Ö"), cp850("Ö")},
                 {"", ""},
                 {" \t\r\n\v\f", ""},
                 {"\xA0x\x85", "\xA0x\x85"}};
    for (const auto& c : cases) {
        EXPECT_EQ(trimmed(c.text), c.trimmed) << '"' << c.text << '"';
        EXPECT_EQ(isBlank(c.text), c.trimmed.empty()) << '"' << c.text << '"';
    }
    EXPECT_EQ(upperCased(cp850("Ville-äijä 2 `az{@AZ[")), cp850("VILLE-äIJä 2 `AZ{@AZ["));
}
