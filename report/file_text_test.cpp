#include "report/file_text.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// Every other byte stays, the console's ü and é as well as file text that has
// already been converted.
TEST(ToFileText, TurnsTheSixFinnishLettersIntoTheirFileBytesAndLeavesTheRest) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    const std::string console = "\x84\x94\x86\x8E\x99\x8F";  // äöåÄÖÅ
    const std::string file = "\xE4\xF6\xE5\xC4\xD6\xC5";
    std::string expected = all;
    for (std::size_t i = 0; i < console.size(); ++i) {
        expected[static_cast<unsigned char>(console[i])] = file[i];
    }
    EXPECT_EQ(toFileText(all), expected);
}

}  // namespace
