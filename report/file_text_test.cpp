#include "report/file_text.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(ToFileText, TurnsTheSixFinnishLettersIntoTheirFileBytes) {
    EXPECT_EQ(toFileText(cp850("äöåÄÖÅ")), "\xE4\xF6\xE5\xC4\xD6\xC5");
    EXPECT_EQ(toFileText(cp850("Åsa Mäkelä-Öhman")), latin1("Åsa Mäkelä-Öhman"));
}

TEST(ToFileText, LeavesEveryOtherByteAndTheLengthAsTheyAre) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string converted = toFileText(all);
    ASSERT_EQ(converted.size(), all.size());
    const std::string changed = "\x84\x94\x86\x8E\x99\x8F";
    for (int byte = 0; byte < 256; ++byte) {
        if (changed.find(static_cast<char>(byte)) == std::string::npos) {
            EXPECT_EQ(converted[byte], all[byte]) << "byte " << byte;
        }
    }
    // The console's ü and é stay console bytes; file text is not converted twice.
    EXPECT_EQ(toFileText("M\x81ller Ren\x82"), "M\x81ller Ren\x82");
    EXPECT_EQ(toFileText(latin1("Mäki")), latin1("Mäki"));
}

}  // namespace
