#include "report/results.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/test_support.h"

namespace {

constexpr std::uint32_t X = NO_RESULT;

// Anna, Eero and Jo over two rounds, saved as Kesäkisa, started 6.12.2026 19:02:44.
GameState kesakisa() {
    GameState state;
    state.throwers = {thrower("Anna", {45, 20}), thrower("Eero", {30, 45}), thrower("Jo", {X, 45})};
    state.round = 2;
    state.gameName = cp850("Kesäkisa");
    state.startDate = "6.12.2026";
    state.startTime = "19:02:44";
    return state;
}

const LocalTime END = testTime(6, 21, 15, 3);
const std::string END_FILE = "vaskipiikkikisa_tulokset_20261206_21.15.03";
const std::string FAILED = "Tulosten tallentaminen ei onnistunut. Ohjelma lopetetaan. \n";

TEST(ResultsFileText, WholeFileOfTheKesakisaGame) {
    const std::string expected = latin1(
        "Vaskipiikkikisa: Kesäkisa\n"
        "Tulokset 6.12.2026 klo 19:02:44 - 21:15:03\n"
        "\n"
        "Kierros   Anna  Eero  Jo     Yhteensä\n" +
        std::string(40, '-') +
        "\n"
        "1         45    30    -      75\n"
        "2         20    45    45     110\n"
        "\n\n"
        "Kierrosten voittajat: \n"
        "  Kierros 1: Anna tuloksella 45\n"
        "  Kierros 2: Eero & Jo tuloksella 45\n"
        "\n\n"
        "Lopulliset tulokset: \n"
        "\n"
        "Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \n" +
        std::string(76, '-') +
        "\n"
        "Anna           45      20       32.50      65        32.5      17.67\n"
        "Eero           45      30       37.50      75        37.5      10.60\n"
        "Jo             45      45       45.00      45        45        0.00 \n"
        "\n"
        "Tilastoja: \n" +
        std::string(56, '-') +
        "\n"
        "Paras heittäjä:            Jo keskiarvolla 45.00  \n"
        "Paras tulos:               45\n"
        "Parhaan tuloksen heittäjä: Anna & Eero & Jo\n"
        "Tasaisin heittäjä:         Jo\n"
        "Paras kierros:             2 yhteistuloksella 110\n"
        "Huonoin kierros:           1 yhteistuloksella 75\n"
        "\n");
    EXPECT_EQ(resultsFileText(kesakisa(), END), expected);
}

TEST(ResultsFileText, TitleAndTimesLines) {
    struct Case {
        std::string gameName, startTime;
        LocalTime end;
        std::string expected;
    };
    const Case cases[] = {
        {"", "19:02:44", END, "Vaskipiikkikisa\nTulokset 6.12.2026 klo 19:02:44 - 21:15:03\n\n"},
        {" \t", "19:02:44", END, "Vaskipiikkikisa\nTulokset 6.12.2026 klo 19:02:44 - 21:15:03\n\n"},
        {cp850("Kesäkisa"), "23:40:10", testTime(7, 0, 31, 52),
         latin1("Vaskipiikkikisa: Kesäkisa\n"
                "Tulokset 6.12.2026 klo 23:40:10 - 7.12.2026 klo 00:31:52\n\n")},
    };
    for (const Case& c : cases) {
        GameState state = kesakisa();
        state.gameName = c.gameName;
        state.startTime = c.startTime;
        EXPECT_EQ(resultsFileText(state, c.end).substr(0, c.expected.size()), c.expected);
    }
}

TEST(ResultsFileText, FinnishLettersBecomeFileBytesInNamesAndFixedTexts) {
    GameState state = kesakisa();
    state.gameName = cp850("ÄÖÅ äöå");
    state.throwers = {thrower(cp850("Åke Öljynen"), {5}), thrower("M\x81ller", {X})};
    state.round = 1;
    const std::string text = resultsFileText(state, END);
    for (const char consoleByte : std::string("\x84\x94\x86\x8E\x99\x8F")) {
        EXPECT_EQ(text.find(consoleByte), std::string::npos) << int(consoleByte);
    }
    const std::string expectedParts[] = {
        latin1("Vaskipiikkikisa: ÄÖÅ äöå\n"),
        latin1("\nKierros   Åke Öljynen  M\x81ller     Yhteensä\n"),
        latin1("\n  Kierros 1: Åke Öljynen tuloksella 5\n"),
        latin1("\nÅke Öljynen    5       5        5.00"),
        latin1("\nM\x81ller         0       0        0.00"),
        latin1("\nParas heittäjä:            Åke Öljynen keskiarvolla 5.00"),
        latin1("\nParhaan tuloksen heittäjä: Åke Öljynen\n"),
        latin1("\nTasaisin heittäjä:         Åke Öljynen & M\x81ller\n"),
    };
    for (const std::string& part : expectedParts) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

struct LRun {
    std::string output;
    std::string rest;
};

// Command L with the clock at END; the pause takes the line "key".
LRun runL() {
    std::istringstream in("key\nnext\n");
    std::ostringstream out;
    Console console{in, out};
    writeResultsFile(console, kesakisa(), [] { return END; });
    LRun run{out.str(), ""};
    std::getline(in, run.rest);
    return run;
}

std::string told(const std::string& suffix) {
    return "Tulokset tallennettu tiedostoon:\n" + END_FILE + suffix + "\n" + PAUSE;
}

TEST(WriteResultsFile, WritesANewFileUnderAFreeNameTellsItAndPauses) {
    ScratchDir dir;
    const LRun run = runL();
    EXPECT_EQ(run.output, told(".txt"));
    EXPECT_EQ(run.rest, "next");
    EXPECT_EQ(filesStartingWith("vaskipiikkikisa"), END_FILE + ".txt\n");
    EXPECT_EQ(fileContents(END_FILE + ".txt"), resultsFileText(kesakisa(), END));
    // Games ended in the same second never replace an earlier file.
    writeFile(END_FILE + ".txt", "earlier game");
    EXPECT_EQ(runL().output, told("_2.txt"));
    EXPECT_EQ(runL().output, told("_3.txt"));
    EXPECT_EQ(fileContents(END_FILE + ".txt"), "earlier game");
    EXPECT_EQ(fileContents(END_FILE + "_3.txt"), resultsFileText(kesakisa(), END));
}

TEST(WriteResultsFile, NoFreeNameIsAFailure) {
    ScratchDir dir;
    for (unsigned attempt = 1; attempt <= 999; ++attempt) {
        writeFile(resultsFileName(END, attempt), "taken");
    }
    EXPECT_EQ(runL().output, FAILED + PAUSE);
    EXPECT_EQ(fileContents(END_FILE + "_999.txt"), "taken");
    EXPECT_EQ(filesStartingWith(END_FILE + "_1000"), "");
}

}  // namespace
