#include "console/readers.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "support/test_support.h"

// Each reader over typed lines: what it returns and prints. An accepted answer
// leaves the line after it unread.
TEST(Readers, AskUntilAnAcceptableLine) {
    enum Reader { CHOICE, NUMBER, RESULT };
    const std::string N = "Anna maksimitulos (oletus = 50): ";
    const std::string C = "Valintasi: ";
    const std::string R = "1. Matti: ";
    const std::string rangeError = cp850("VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    const std::string R_ERR =
        R + cp850("VIRHE: Tuloksen pitää olla välillä 0 - 50 (tai J tai V).\n");
    const struct {
        Reader reader;
        std::uint32_t max;
        std::string typed;
        std::uint32_t value;  // 0xFFFF: the input ended first
        std::string output;
    } cases[] = {
        {NUMBER, 1000, "  \t \n", 50, N},
        {NUMBER, 1000, "0x5\n1001\nabc\n007\n", 7, N + rangeError + N + rangeError + N + N},
        {NUMBER, 1000, "-1\n4294967297\n1000\n", 1000, N + rangeError + N + rangeError + N},
        {NUMBER, 10, "\n5\n", 5, N + cp850("VIRHE: Valinnan pitää olla välillä 1 - 10.\n") + N},
        {NUMBER, 1000, "0", 0xFFFF, N + rangeError + N},
        {CHOICE, 3, "4\n\n2\n", 2,
         C + cp850("VIRHE: Valinnan pitää olla välillä 1 - 3.\n") + C + C},
        {CHOICE, 3, "x", 0xFFFF, C + C},
        {RESULT, 50, "J\n", NO_RESULT, R},
        {RESULT, 50, "v\n", WITHDRAW, R},
        {RESULT, 50, "51\n\nx\n J\nJ \n4294967346\n0\n", 0,
         R_ERR + R_ERR + R_ERR + R_ERR + R_ERR + R_ERR + R},
        {RESULT, 50, "50\n", 50, R},
        {RESULT, 50, "x\n", 0xFFFF, R_ERR + R},
    };
    for (const auto& c : cases) {
        std::istringstream in(c.typed + "rest\n");
        if (c.value == 0xFFFF) {
            in.str(c.typed);
        }
        std::ostringstream out;
        Console console{in, out};
        std::uint32_t value = 0xFFFF;
        const bool read = c.reader == CHOICE   ? readChoice(console, C, 1, c.max, value)
                          : c.reader == NUMBER ? readNumber(console, N, 1, c.max, 50, value)
                                               : readResult(console, R, 0, c.max, value);
        EXPECT_EQ(read, c.value != 0xFFFF) << c.typed;
        EXPECT_EQ(value, c.value) << c.typed;
        EXPECT_EQ(out.str(), c.output) << c.typed;
        const std::string unread((std::istreambuf_iterator<char>(in)), {});
        EXPECT_EQ(unread, read ? "rest\n" : "") << c.typed;
        EXPECT_LE(console.endReports, 1u);
    }
}
