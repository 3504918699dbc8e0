#include "report/file_text.h"

#include <gtest/gtest.h>

#include <set>

// Code page 850 bytes and the ISO 8859-1 bytes of the same characters; what
// ISO 8859-1 lacks becomes "?", and ASCII and control bytes stay.
TEST(FileText, LettersOfCodePage850InIso8859_1) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x84\x94\x86\x8E\x99\x8F", "\xE4\xF6\xE5\xC4\xD6\xC5"},  // äöåÄÖÅ
        {"Zo\x89 \x9B\x32J", "Zo\xEB \xF8\x32J"},                  // Zoë ø, not C1 codes
        {"\x80\x82\x9D\x9E\xA4\xB8\xD1\xE1\xF0\xFF",
         "\xC7\xE9\xD8\xD7\xF1\xA9\xD0\xDF\xAD\xA0"},  // ÇéØ×ñ©Ðß, soft hyphen, no-break space
        {"\x9F\xF2\xD5\xFE\xB0\xC5", "??????"},        // ƒ‗ı■ and box drawing
        {std::string("a\0\t\x1B~\x7F", 6), std::string("a\0\t\x1B~\x7F", 6)},
    };
    for (const auto& [console, file] : cases) {
        EXPECT_EQ(toFileText(console), file);
    }
    // Every byte keeps its place, no byte of the file is a C1 control code,
    // and the 96 characters of ISO 8859-1's upper half that code page 850
    // holds each get their own byte.
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string file = toFileText(all);
    ASSERT_EQ(file.size(), all.size());
    std::set<int> upperHalf;
    for (int byte = 0; byte < 256; ++byte) {
        const auto converted = static_cast<unsigned char>(file[byte]);
        EXPECT_TRUE(converted == byte || (byte >= 0x80 && (converted >= 0xA0 || converted == '?')))
            << byte;
        if (converted >= 0xA0)
            upperHalf.insert(converted);
    }
    EXPECT_EQ(upperHalf.size(), 96u);
}
