#include <gtest/gtest.h>

#include "support/process.h"
#include "support/test_support.h"

TEST(Binary, EndOfInputAtFirstPromptEndsWithStatusZero) {
    ScratchDir dir;
    const ProcessResult result = runProgram("");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.output.find(cp850("Anna heittäjä 1: \n")), std::string::npos) << result.output;
}
