#include "console/readers.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "support/test_support.h"

// Each reader over typed lines: what it returns (0xFFFF: the input ended first)
// and prints. An accepted answer leaves the line after it unread.
TEST(Readers, AskUntilAnAcceptableLine) {
    const std::string N = "Anna maksimitulos (oletus = 50): ", C = "Valintasi: ", R = "1. Matti: ";
    const std::string E = cp850("VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    const std::string RE = R + cp850("VIRHE: Tuloksen pitää olla välillä 0 - 50 (tai J tai V).\n");
    // clang-format off
    const struct { char reader; std::uint32_t max; std::string typed; std::uint32_t value;
                   std::string output; } cases[] = {
        {'N', 1000, "  \t \n", 50, N}, {'N', 1000, "0", 0xFFFF, N + E + N},
        {'N', 1000, "0x5\n1001\nabc\n-1\n4294967297\n007\n", 7,
         N + E + N + E + N + N + E + N + E + N},
        {'N', 10, "\n10\n", 10, N + cp850("VIRHE: Valinnan pitää olla välillä 1 - 10.\n") + N},
        {'C', 3, "4\n\n1\n", 1, C + cp850("VIRHE: Valinnan pitää olla välillä 1 - 3.\n") + C + C},
        {'C', 3, "x", 0xFFFF, C + C}, {'R', 50, "J\n", NO_RESULT, R}, {'R', 50, "v\n", WITHDRAW, R},
        {'R', 50, "51\n\nx\n J\nJ \n4294967346\n0\n", 0, RE + RE + RE + RE + RE + RE + R},
        {'R', 50, "50\n", 50, R}, {'R', 50, "x\n", 0xFFFF, RE + R}};
    // clang-format on
    for (const auto& c : cases) {
        std::istringstream in(c.value == 0xFFFF ? c.typed : c.typed + "rest\n");
        std::ostringstream out;
        Console console{in, out};
        std::uint32_t value = 0xFFFF;
        const bool read = c.reader == 'C'   ? readChoice(console, C, 1, c.max, value)
                          : c.reader == 'N' ? readNumber(console, N, 1, c.max, 50, value)
                                            : readResult(console, R, 0, c.max, value);
        const std::string unread((std::istreambuf_iterator<char>(in)), {});
        EXPECT_TRUE(read == (c.value != 0xFFFF) && value == c.value && out.str() == c.output &&
                    unread == (read ? "rest\n" : "") && console.endReports <= 1)
            << c.typed << "\n"
            << out.str();
    }
}
