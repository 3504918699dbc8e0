#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_run.h"
#include "support/test_support.h"

namespace {

const std::string HYPHENS_70 = std::string(70, '-') + "\n";

std::string roundHeader(const std::string& number, const std::string& max = "50") {
    return "Kierros " + number + " alkaa. \n" +
           cp850("Anna heittäjien pistemäärät. (0-" + max + ", J = Jätä väliin, V = Vetäydy)\n") +
           HYPHENS_70;
}

std::string standingsTitle(const std::string& round) {
    return CLEAR + cp850("Tilanne kierroksen " + round + " jälkeen: \n\n");
}

}  // namespace

TEST(Driver, FirstRoundOfANewGameByteForByte) {
    ScratchDir dir;
    const GameRun run = playGame("Matti\nLiisa\n\n\n3\n7\n");

    const std::string expected =
        BANNER + SETUP_HEADING + cp850("Anna heittäjä 1: Anna heittäjä 2: Anna heittäjä 3: ") +
        "\nAnna maksimitulos (oletus = 50): " + CLEAR + roundHeader("1") +
        "1. Matti: 2. Liisa: " + standingsTitle("1") +
        cp850("Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \n") +
        std::string(76, '-') + "\n" +
        "Matti          3       3        3.00       3         3         0.00 \n"
        "Liisa          7       7        7.00       7         7         0.00 \n"
        "\n"
        "Tilastoja: \n" +
        std::string(56, '-') + "\n" +
        cp850(
            "Paras heittäjä:            Liisa keskiarvolla 7.00   \n"
            "Paras tulos:               7\n"
            "Parhaan tuloksen heittäjä: Liisa\n"
            "Tasaisin heittäjä:         Matti & Liisa\n") +
        "Paras kierros:             1 yhteistuloksella 10\n"
        "Huonoin kierros:           1 yhteistuloksella 10\n" +
        ROUND_MENU + MENU_PROMPT + "\n";
    EXPECT_EQ(run.output, expected);
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.readsAfterEnd, 0u);
    EXPECT_EQ(filesStartingWith("vaskipiikkikisa"), "vaskipiikkikisa_keskeytynyt.dat\n");
}

// Unknown answers, however close to a letter, only repeat the prompt.
TEST(Driver, RoundMenuAnswersThatStartTheNextRound) {
    const std::string menuThenPrompts =
        ROUND_MENU + MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + MENU_PROMPT;
    for (const std::string answer : {"S", "s", "  s  ", "   ", ""}) {
        ScratchDir dir;
        const GameRun run = playGame("Matti\n\n\n5\nx\nSS\nhh\nsuu\n" + answer + "\n");
        EXPECT_NE(run.output.find(menuThenPrompts + "\n\n" + roundHeader("2")), std::string::npos)
            << "answer [" << answer << "]";
    }
}

TEST(Driver, DiscardingDownToRoundZeroThenPlayingRoundOneAgain) {
    ScratchDir dir;
    const GameRun run = playGame("Matti\n\n\n5\nS\n7\nh\nH\nH\n\n9\n");
    EXPECT_NE(run.output.find(MENU_PROMPT + standingsTitle("1")), std::string::npos);
    // The second H leaves round 0; the third only repeats the prompt.
    EXPECT_NE(run.output.find(MENU_PROMPT + standingsTitle("0")), std::string::npos);
    EXPECT_NE(run.output.find(ROUND_MENU + MENU_PROMPT + MENU_PROMPT + "\n\n" + roundHeader("1")),
              std::string::npos);
    ASSERT_EQ(run.state.throwers.size(), 1u);
    EXPECT_EQ(run.state.throwers[0].points, std::vector<std::uint32_t>{9});
    EXPECT_EQ(run.state.round, 1u);
}

TEST(Driver, HistoryStaysOnTheScreenAboveANewMenu) {
    ScratchDir dir;
    const GameRun run = playGame("Jo\n\n\n45\nn\n");
    const std::size_t at = run.output.find(MENU_PROMPT + "\n" + std::string(65, '-') + "\n");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(run.output.find(CLEAR, at), std::string::npos);
    // One menu follows, and it is the last.
    EXPECT_EQ(run.output.find(ROUND_MENU, at), run.output.rfind(ROUND_MENU));
}

// Under the maximum 1000, Liisa withdraws in round 1: in round 2 Pekka keeps
// his number 3.
TEST(Driver, RoundsUnderAChosenMaximumWithAWithdrawalAndASkip) {
    ScratchDir dir;
    const GameRun run = playGame("Matti\nLiisa\nPekka\n\n1000\n1001\n1000\nv\nJ\n\n1\n2\n");
    const std::string error = cp850("VIRHE: Tuloksen pitää olla välillä 0 - 1000 (tai J tai V).\n");
    EXPECT_NE(run.output.find(roundHeader("1", "1000") + "1. Matti: " + error +
                              "1. Matti: 2. Liisa: 3. Pekka: " + standingsTitle("1")),
              std::string::npos);
    EXPECT_NE(
        run.output.find(roundHeader("2", "1000") + "1. Matti: 3. Pekka: " + standingsTitle("2")),
        std::string::npos);
    ASSERT_EQ(run.state.throwers.size(), 3u);
    EXPECT_EQ(run.state.throwers[0].points, (std::vector<std::uint32_t>{1000, 1}));
    EXPECT_EQ(run.state.throwers[1].points, (std::vector<std::uint32_t>{1001, 1001}));
    EXPECT_EQ(run.state.throwers[2].points, (std::vector<std::uint32_t>{1001, 2}));
    EXPECT_TRUE(run.state.throwers[1].withdrawn);
}

TEST(Driver, AGameWithoutThrowersStillCountsItsRounds) {
    ScratchDir dir;
    const GameRun run = playGame("\n\n\n\n");
    EXPECT_NE(run.output.find(roundHeader("1") + standingsTitle("1")), std::string::npos);
    EXPECT_NE(run.output.find(roundHeader("3") + standingsTitle("3")), std::string::npos);
    EXPECT_NE(
        run.output.find(cp850("Tasaisin heittäjä:         \n") +
                        "Paras kierros:             Ei parasta kierrosta. yhteistuloksella 0\n"),
        std::string::npos);
    EXPECT_EQ(run.state.round, 3u);
}

// However early the input ends, the program stops at once with status 0,
// prints one line end, keeps every record whole and writes no file but the
// recovery file.
TEST(Driver, EndOfInputAfterEveryLineOfAGame) {
    const std::vector<std::string> lines = {"Matti", "Liisa", "",  "",  "5", "v", "x",
                                            "n",     "s",     "7", "u", "",  "",  "u",
                                            "liisa", "",      "h", "S", "J", "3"};
    std::string script;
    for (std::size_t count = 0; count <= lines.size(); ++count) {
        ScratchDir dir;
        const GameRun run = playGame(script);
        EXPECT_EQ(run.exitStatus, 0) << count;
        EXPECT_EQ(run.output.back(), '\n') << count;
        EXPECT_EQ(run.readsAfterEnd, 0u) << count;
        for (const ThrowerRecord& thrower : run.state.throwers) {
            EXPECT_EQ(thrower.points.size(), run.state.round) << count;
        }
        const std::string files = filesStartingWith("vaskipiikkikisa");
        EXPECT_TRUE(files.empty() || files == "vaskipiikkikisa_keskeytynyt.dat\n") << count;
        if (count < lines.size()) {
            script += lines[count] + "\n";
        }
    }
}
