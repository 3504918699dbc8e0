#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/setup.h"
#include "support/test_support.h"

namespace {

struct SetupRun {
    bool completed;
    std::string output;
    GameState state;
};

SetupRun setUp(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    Console console{in, out};
    SetupRun run{false, "", GameState{}};
    run.completed = setUpGame(console, run.state);
    run.output = out.str();
    return run;
}

std::vector<std::string> names(const GameState& state) {
    std::vector<std::string> result;
    for (const ThrowerRecord& thrower : state.throwers) {
        result.push_back(thrower.name);
    }
    return result;
}

}  // namespace

TEST(Setup, NamesAreTrimmedNumberedAndEndedByABlankLine) {
    const SetupRun run = setUp("  Matti  \n\tLiisa\n   \n\n");
    EXPECT_TRUE(run.completed);
    EXPECT_EQ(names(run.state), (std::vector<std::string>{"Matti", "Liisa"}));
    EXPECT_EQ(run.output, cp850("\nAnna heittäjät, ja paina lopuksi enteriä.\n"
                                "Anna heittäjä 1: Anna heittäjä 2: Anna heittäjä 3: \n"
                                "Anna maksimitulos (oletus = 50): "));
    EXPECT_EQ(run.state.maxScore, 50u);
}

// Only a to z are compared without case, and a long name by its first 15
// bytes; the whole name is kept.
TEST(Setup, DuplicateNames) {
    const std::string refusal =
        cp850("Anna heittäjä 2: VIRHE: Kyseinen pelaaja on jo olemassa.\nAnna heittäjä 2: \n");
    const struct {
        std::string first, second;
        bool refused;
    } cases[] = {
        {"Matti", "MATTI", true},
        {cp850("Äijä"), cp850("äijä"), false},
        {"Punainen Joukkue", "punainen joukku", true},
        {"Punainen Joukkue", "PUNAINEN JOUKKUE 2", true},
        {"Punainen Joukkue", "Punainen Jouk", false},
    };
    for (const auto& c : cases) {
        const SetupRun run = setUp(c.first + "\n" + c.second + "\n\n\n");
        const std::vector<std::string> expected =
            c.refused ? std::vector<std::string>{c.first} : std::vector{c.first, c.second};
        EXPECT_EQ(names(run.state), expected) << c.second;
        EXPECT_EQ(run.output.find(refusal) != std::string::npos, c.refused) << c.second;
    }
}

// A blank answer gives 50, as the first test shows.
TEST(Setup, MaximumScoreFromOneToAThousand) {
    const std::string prompt = "Anna maksimitulos (oletus = 50): ";
    const std::string range = cp850("VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    EXPECT_EQ(setUp("Matti\n\n1\n").state.maxScore, 1u);
    const SetupRun run = setUp("Matti\n\n0\n1001\n1000\n");
    EXPECT_TRUE(run.completed);
    EXPECT_EQ(run.state.maxScore, 1000u);
    EXPECT_EQ(run.output.substr(run.output.find(prompt)), prompt + range + prompt + range + prompt);
}
