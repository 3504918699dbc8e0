#include "app/arguments.h"

#include <gtest/gtest.h>

#include <sstream>

// What the command line gets is checked through the built program; here the
// answer that could not be printed.
TEST(Arguments, UnprintedAnswerIsAFailure) {
    for (const char* option : {"--help", "--version"}) {
        std::ostringstream out;
        std::ostringstream err;
        out.setstate(std::ios::badbit);
        EXPECT_EQ(answerArguments({option}, out, err), 1);
        EXPECT_EQ(err.str(), "vaskipiikkikisa: tulostus ei onnistunut\n");
    }
}
