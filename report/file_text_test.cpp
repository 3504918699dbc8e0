#include "report/file_text.h"

#include <gtest/gtest.h>

#include <set>

// Code page 850 bytes and the ISO 8859-1 bytes of the same characters.
TEST(FileText, LettersOfCodePage850InIso8859_1) {
    const struct {
        const char* character;
        std::string console;
        std::string file;
    } cases[] = {
        {"ä ö å Ä Ö Å", "\x84\x94\x86\x8E\x99\x8F", "\xE4\xF6\xE5\xC4\xD6\xC5"},
        {"Zoë, not Zo and a C1 control", "Zo\x89", "Zo\xEB"},
        {"ø, not the 8-bit CSI", "\x9B\x32J", "\xF8\x32J"},
        {"Ç ü é ÿ Ø × á ñ", "\x80\x81\x82\x98\x9D\x9E\xA0\xA4", "\xC7\xFC\xE9\xFF\xD8\xD7\xE1\xF1"},
        {"© ¢ ¥ ã Ã ¤ ð Ð", "\xB8\xBD\xBE\xC6\xC7\xCF\xD0\xD1", "\xA9\xA2\xA5\xE3\xC3\xA4\xF0\xD0"},
        {"Ó ß µ þ ´ soft hyphen ± ¾", "\xE0\xE1\xE6\xE7\xEF\xF0\xF1\xF3",
         "\xD3\xDF\xB5\xFE\xB4\xAD\xB1\xBE"},
        {"° ¨ · ¹ ³ ² no-break space", "\xF8\xF9\xFA\xFB\xFC\xFD\xFF",
         "\xB0\xA8\xB7\xB9\xB3\xB2\xA0"},
        {"ƒ ‗ ı ■ and box drawing: none in ISO 8859-1", "\x9F\xF2\xD5\xFE\xB0\xB3\xC5\xDB",
         "????????"},
        {"ASCII and control bytes stay", std::string("a\0\t\x1B~\x7F", 6),
         std::string("a\0\t\x1B~\x7F", 6)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toFileText(c.console), c.file) << c.character;
    }
}

// Every byte keeps its place, and no byte of the file is a C1 control code.
TEST(FileText, SameLengthAndNoControlCodeFromAnyByte) {
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
    // Code page 850 holds all 96 characters of ISO 8859-1's upper half, each once.
    EXPECT_EQ(upperHalf.size(), 96u);
}
