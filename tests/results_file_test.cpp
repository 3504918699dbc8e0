#include <gtest/gtest.h>

#include <regex>

#include "support/process.h"
#include "support/test_support.h"

namespace {

const std::string PREFIX = "vaskipiikkikisa_tulokset_";

// Mäki and Jo, maximum 50 by default; Jo skips round 1; then L and a key.
const std::string GAME = cp850(
    "Mäki\nJo\n\n\n"
    "10\nJ\n"
    "\n"
    "7\n8\n"
    "L\n"
    "\n");

// The file of GAME, with the times line (which holds the real clock) left out.
const std::string REPORT_AFTER_TIMES = latin1(
    "\n"
    "Kierros   Mäki  Jo     Yhteensä\n" +
    std::string(34, '-') +
    "\n"
    "1         10    -      10\n"
    "2         7     8      15\n"
    "\n\n"
    "Kierrosten voittajat: \n"
    "  Kierros 1: Mäki tuloksella 10\n"
    "  Kierros 2: Jo tuloksella 8\n"
    "\n\n"
    "Lopulliset tulokset: \n"
    "\n"
    "Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \n" +
    std::string(76, '-') +
    "\n"
    "Mäki           10      7        8.50       17        8.5       2.12 \n"
    "Jo             8       8        8.00       8         8         0.00 \n"
    "\n"
    "Tilastoja: \n" +
    std::string(56, '-') +
    "\n"
    "Paras heittäjä:            Mäki keskiarvolla 8.50   \n"
    "Paras tulos:               10\n"
    "Parhaan tuloksen heittäjä: Mäki\n"
    "Tasaisin heittäjä:         Jo\n"
    "Paras kierros:             2 yhteistuloksella 15\n"
    "Huonoin kierros:           1 yhteistuloksella 10\n"
    "\n");

const std::regex FILE_NAME(PREFIX + R"(\d{8}_\d\d\.\d\d\.\d\d\.txt)");
const std::regex TIMES_LINE(
    R"(Tulokset \d{1,2}\.\d{1,2}\.\d{4} klo \d\d:\d\d:\d\d - (\d{1,2}\.\d{1,2}\.\d{4} klo )?)"
    R"(\d\d:\d\d:\d\d)");

TEST(ResultsFile, GameEndedWithLWritesTheWholeReport) {
    ScratchDir dir;
    const ProcessResult result = runProgram(GAME);
    EXPECT_EQ(result.exitStatus, 0);

    std::string name = filesStartingWith(PREFIX);
    ASSERT_FALSE(name.empty());
    name.pop_back();  // the line feed after the only name
    EXPECT_TRUE(std::regex_match(name, FILE_NAME)) << name;
    const std::string told = "Tulokset tallennettu tiedostoon:\n" + name + "\n" + PAUSE;
    ASSERT_GE(result.output.size(), told.size());
    EXPECT_EQ(result.output.substr(result.output.size() - told.size()), told);

    const std::string text = fileContents(name);
    const std::string title = "Vaskipiikkikisa\n";
    ASSERT_EQ(text.compare(0, title.size(), title), 0) << text;
    const std::size_t timesEnd = text.find('\n', title.size());
    ASSERT_NE(timesEnd, std::string::npos);
    const std::string times = text.substr(title.size(), timesEnd - title.size());
    EXPECT_TRUE(std::regex_match(times, TIMES_LINE)) << times;
    EXPECT_EQ(text.substr(timesEnd + 1), REPORT_AFTER_TIMES);
}

}  // namespace
