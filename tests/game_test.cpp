#include <gtest/gtest.h>

#include <string>

#include "support/process.h"
#include "support/test_support.h"

namespace {

const std::string BANNER_START = std::string(51, '-') + "\n    Vaskipiikkikisa by Vilkaro v. 1.1\n";

}  // namespace

TEST(Game, FirstRunInAnEmptyDirectoryGoesStraightToSetUp) {
    ScratchDir dir;
    const ProcessResult result = runProgram("");
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.output.substr(0, BANNER_START.size()), BANNER_START);
    const std::string tail =
        std::string(51, '-') + "\n\n" +
        cp850("\nAnna heittäjät, ja paina lopuksi enteriä.\nAnna heittäjä 1: \n");
    ASSERT_GE(result.output.size(), tail.size());
    EXPECT_EQ(result.output.substr(result.output.size() - tail.size()), tail);
    EXPECT_EQ(result.output.find("Valitse"), std::string::npos);
    EXPECT_EQ(filesStartingWith("vaskipiikkikisa"), "");
}

TEST(Game, LinesEndingInCarriageReturnsAndALastLineWithoutALineFeed) {
    ScratchDir dir;
    const ProcessResult result = runProgram("Matti\r\n\r\n\r\n3\r\nS\r\n7");
    EXPECT_EQ(result.exitStatus, 0);
    const std::string row =
        "Matti          7       3        5.00       10        5         2.82 \n";
    EXPECT_NE(result.output.find(row), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("Valintasi (S/N/H/U/T/L): \n"), std::string::npos);
}

TEST(Game, EndOfInputAtEveryKindOfPromptEndsCleanly) {
    struct Case {
        std::string script;
        std::string lastPrompt;
    };
    const Case cases[] = {
        {"Matti\n", cp850("Anna heittäjä 2: ")},
        {"Matti\n\n", "Anna maksimitulos (oletus = 50): "},
        {"Matti\n\n\n", "1. Matti: "},
        {"Matti\n\n\nx\n",
         cp850("VIRHE: Tuloksen pitää olla välillä 0 - 50 (tai J tai V).\n") + "1. Matti: "},
        {"Matti\n\n\n5\n", "Valintasi (S/N/H/U/T/L): "},
        {"Matti\n\n\n5\nu\n", "Anna uuden pelaajan nimi: "},
        {"Matti\n\n\n5\nt\n", "Anna pelille/tallennukselle nimi: "},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const ProcessResult result = runProgram(c.script, {dir.path, -1, 5.0});
        EXPECT_FALSE(result.timedOut);
        EXPECT_EQ(result.exitStatus, 0);
        const std::string tail = c.lastPrompt + "\n";
        ASSERT_GE(result.output.size(), tail.size());
        EXPECT_EQ(result.output.substr(result.output.size() - tail.size()), tail) << c.script;
        // Only the recovery file of the rounds played may stay.
        const std::string files = filesStartingWith("vaskipiikkikisa");
        EXPECT_TRUE(files.empty() || files == "vaskipiikkikisa_keskeytynyt.dat\n") << c.script;
    }
}
