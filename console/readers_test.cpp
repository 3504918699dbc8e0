#include "console/readers.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

// Each reader over typed lines: what it returns (0xFFFF: the input ended first) and prints;
// an accepted answer leaves "rest\n" unread. Numbers read as strtoull reads them, -0 too.
TEST(Readers, AskUntilAnAcceptableLine) {
    const std::string N = "Anna maksimitulos (oletus = 50): ", C = "Valintasi: ", R = "1. Matti: ";
    const std::string E = cp850("VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    const std::string RE = R + cp850("VIRHE: Tuloksen pitää olla välillä 0 - 50 (tai J tai V).\n");
    const std::string CE = C + cp850("VIRHE: Valinnan pitää olla välillä 1 - 4294967295.\n");
    // clang-format off
    const struct { char reader; std::uint32_t max, value; std::string typed, output; } cases[] = {
        {'N', 1000, 50, "  \t \n", N}, {'N', 1000, 0xFFFF, "0", N + E + N},
        {'N', 1000, 7, "0x5\n1001\nabc\n-1\n4294967297\n007\n",
         N + E + N + E + N + N + E + N + E + N}, {'C', 3, 0xFFFF, "x", C + C},
        {'R', 50, NO_RESULT, "j\n", R},  // J gives NO_RESULT itself, whatever the caller held
        {'N', 10, 10, "\n10\n", N + cp850("VIRHE: Valinnan pitää olla välillä 1 - 10.\n") + N},
        {'R', 50, 0, "51\n\nx\n J\nJ \n4294967346\n4294967296\n-5\n-0\n",
         RE + RE + RE + RE + RE + RE + RE + RE + R},
        {'C', 4294967295u, 4294967295u,  // the largest number, the next, a 64-bit wrap to 7
         "0\n\n+\n- 5\n4294967296\n18446744073709551623\n \t\v\f\r+4294967295\n",
         CE + C + C + C + CE + CE + C}};
    // clang-format on
    for (const auto& c : cases) {
        std::istringstream in(c.value == 0xFFFF ? c.typed : c.typed + "rest\n");
        std::ostringstream out;
        Console console{in, out};
        std::uint32_t value = 0xFFFF;
        const bool read = c.reader == 'C'   ? readChoice(console, C, 1, c.max, value)
                          : c.reader == 'N' ? readNumber(console, N, 1, c.max, 50, value)
                                            : readResult(console, R, 0, c.max, value);
        EXPECT_TRUE(read == (c.value != 0xFFFF) && value == c.value && out.str() == c.output &&
                    in.rdbuf()->in_avail() == (read ? 5 : 0) && console.endReports == !read)
            << c.typed + "\n" + out.str();
    }
}
