#include "console/readers.h"

#include <cstdint>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

TEST(ReadersTest, ParsingNumbers) {
    const struct {
        const char* line;
        std::uint32_t value;
    } values[] = {{"12abc", 12},      {"12 13", 12}, {"007", 7}, {"0x5", 0},
                  {" \t\v75xyz", 75}, {"+5", 5},     {"-0", 0},  {"4294967295", 4294967295u}};
    for (const auto& c : values) {
        EXPECT_EQ(parseNumber(c.line).kind, NumberKind::Value) << c.line;
        EXPECT_EQ(parseNumber(c.line).value, c.value) << c.line;
    }
    EXPECT_EQ(parseNumber(std::string(20, '0') + "4294967295").value, 4294967295u);
    for (const char* line : {"-1", "4294967296", "99999999999999999999999999"}) {
        EXPECT_EQ(parseNumber(line).kind, NumberKind::OutOfRange) << line;
    }
    // 0xA0, a blank in other code pages, is not whitespace here.
    for (const char* line : {"", "abc", "-", "- 5", "+-3", "\2405"}) {
        EXPECT_EQ(parseNumber(line).kind, NumberKind::None) << line;
    }
}

enum class Reader { Choice, Number, Result };

struct Script {
    const char* what;
    Reader reader;
    std::uint32_t min, max, fourth;  // fourth: the default, or the blank-means-max flag
    std::string input;
    bool ok;
    std::uint32_t value;
    std::string output;
};

// Runs one reader over the typed lines. An accepted answer must leave the
// lines after it unread, so a complete script gets one more line behind it.
void run(const Script& s) {
    SCOPED_TRACE(s.what);
    const bool complete = !s.input.empty() && s.input.back() == '\n';
    std::istringstream in(s.ok && complete ? s.input + "rest\n" : s.input);
    std::ostringstream out;
    Console console{in, out};
    std::uint32_t value = 123456;
    const bool ok = s.reader == Reader::Choice
                        ? readChoice(console, "Valintasi: ", s.min, s.max, s.fourth, value)
                    : s.reader == Reader::Number
                        ? readNumber(console, "Anna maksimitulos (oletus = 50): ", s.min, s.max,
                                     s.fourth, value)
                        : readResult(console, "1. Matti: ", s.min, s.max, s.fourth, value);
    EXPECT_EQ(ok, s.ok);
    if (s.ok) {
        EXPECT_EQ(value, s.value);
        if (complete) {
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "rest\n");
        }
    }
    EXPECT_EQ(out.str(), s.output);
    EXPECT_EQ(console.readsAfterEnd, 0u);
}

TEST(ReadersTest, ScriptsOfTypedLines) {
    const std::string N = "Anna maksimitulos (oletus = 50): ";
    const std::string C = "Valintasi: ";
    const std::string R = "1. Matti: ";
    const std::string rangeError = cp850("VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    const std::string choiceError = cp850("VIRHE: Valinnan pitää olla välillä 1 - 3.\n");
    const std::string resultError =
        cp850("VIRHE: Tuloksen pitää olla välillä 0 - 50 (tai J tai V).\n");
    const std::string R_ERR = R + resultError;
    const Reader Num = Reader::Number, Cho = Reader::Choice, Res = Reader::Result;
    const std::vector<Script> scripts = {
        {"blanks take the default", Num, 1, 1000, 50, "  \t \n", true, 50, N},
        {"range errors, silent re-ask, base ten only", Num, 1, 1000, 50, "0x5\n1001\nabc\n007\n",
         true, 7, N + rangeError + N + rangeError + N + N},
        {"negative or too large never wraps", Num, 1, 1000, 50,
         "-1\n4294967297\n-4294967295\n99999999999999999999\n1000\n", true, 1000,
         N + rangeError + N + rangeError + N + rangeError + N + rangeError + N},
        {"default is tested too", Num, 1, 10, 50, "\n5\n", true, 5,
         N + cp850("VIRHE: Valinnan pitää olla välillä 1 - 10.\n") + N},
        {"number: end after range error", Num, 1, 1000, 50, "0", false, 0, N + rangeError + N},

        {"choice out of range, blank silent", Cho, 1, 3, 0, "4\n\n2\n", true, 2,
         C + choiceError + C + C},
        {"choice blank means max", Cho, 1, 3, 1, " \n", true, 3, C},
        {"one choice only", Cho, 1, 1, 0, "2\n1\n", true, 1,
         C + cp850("VIRHE: Valinnan pitää olla 1.\n") + C},
        {"choice: end", Cho, 1, 3, 0, "x", false, 0, C + C},

        {"J skips", Res, 0, 50, 0, "J\n", true, NO_RESULT, R},
        {"v withdraws", Res, 0, 50, 0, "v\n", true, WITHDRAW, R},
        {"every bad line gets the error", Res, 0, 50, 0, "51\n\nx\n J\nJ \njj\n0\n", true, 0,
         R_ERR + R_ERR + R_ERR + R_ERR + R_ERR + R_ERR + R},
        {"wrapping values are out of range", Res, 0, 50, 0, "4294967346\n-4294967246\n50\n", true,
         50, R_ERR + R_ERR + R},
        {"result blank means max", Res, 0, 50, 1, " \n", true, 50, R},
        {"result: end", Res, 0, 50, 0, "x\n", false, 0, R_ERR + R},
        {"one possible result is not asked", Res, 7, 7, 0, "", true, 7, ""},
    };
    for (const Script& s : scripts) {
        run(s);
    }
}

}  // namespace
