#include "report/file_text.h"

#include <gtest/gtest.h>

#include <set>

// Every byte keeps its place, no byte of the file is a C1 control code (ø can
// never become the 8-bit CSI), and the 96 characters of ISO 8859-1's upper
// half that code page 850 holds each get their own byte; what ISO 8859-1 lacks
// becomes "?". The golden copies check the letters of the file and the page.
TEST(FileText, LettersOfCodePage850InIso8859_1) {
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
