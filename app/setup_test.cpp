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

const std::string DUPLICATE = "VIRHE: Kyseinen pelaaja on jo olemassa.\n";

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

TEST(Setup, DuplicateNames) {
    struct Case {
        std::string second;
        bool refused;
    };
    const Case cases[] = {
        {"MATTI", true},
        {" matti ", true},
        {cp850("Mätti"), false},
    };
    for (const Case& c : cases) {
        const SetupRun run = setUp("Matti\n" + c.second + "\n\n\n");
        const std::string refusal = cp850("Anna heittäjä 2: ") + DUPLICATE + cp850("Anna heittäjä 2: ");
        EXPECT_EQ(run.output.find(refusal) != std::string::npos, c.refused) << c.second;
        EXPECT_EQ(run.state.throwers.size(), c.refused ? 1u : 2u) << c.second;
    }
}

TEST(Setup, FinnishLettersKeepTheirCaseInTheDuplicateTest) {
    const SetupRun run = setUp(cp850("Äijä\näijä\n\n\n"));
    EXPECT_EQ(names(run.state), (std::vector<std::string>{cp850("Äijä"), cp850("äijä")}));
}

TEST(Setup, LongNamesAreComparedByTheirFirstFifteenBytes) {
    struct Case {
        std::string second;
        bool refused;
    };
    const Case cases[] = {
        {"punainen joukku", true},      // equals the short name of the first
        {"Punainen Joukkue", true},     // the same long name again
        {"PUNAINEN JOUKKUE 2", true},   // another long name with the same short name
        {"Punainen Jouk", false},
    };
    for (const Case& c : cases) {
        const SetupRun run = setUp("Punainen Joukkue\n" + c.second + "\n\n\n");
        EXPECT_EQ(run.output.find(DUPLICATE) != std::string::npos, c.refused) << c.second;
        EXPECT_EQ(run.state.throwers.size(), c.refused ? 1u : 2u) << c.second;
    }
    // The whole name is kept; only the tables cut it.
    EXPECT_EQ(setUp("Punainen Joukkue\n\n\n").state.throwers[0].name, "Punainen Joukkue");
}

TEST(Setup, MaximumScore) {
    const std::string range = cp850("VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    const std::string prompt = "Anna maksimitulos (oletus = 50): ";
    struct Case {
        std::string answers;
        std::uint32_t max;
        std::string dialogue;
    };
    const Case cases[] = {
        {"\n", 50, prompt},
        {"  \t\n", 50, prompt},
        {"1\n", 1, prompt},
        {"1000\n", 1000, prompt},
        {"0\n1001\n7\n", 7, prompt + range + prompt + range + prompt},
        {"abc\n  75xyz\n", 75, prompt + prompt},
        {"-1\n99999999999\n3\n", 3, prompt + range + prompt + range + prompt},
    };
    for (const Case& c : cases) {
        const SetupRun run = setUp("Matti\n\n" + c.answers);
        EXPECT_TRUE(run.completed) << c.answers;
        EXPECT_EQ(run.state.maxScore, c.max) << c.answers;
        EXPECT_EQ(run.output.substr(run.output.find(prompt)), c.dialogue) << c.answers;
    }
}

TEST(Setup, EndOfInputStopsSetUp) {
    for (const std::string script : {"", "Matti\n", "Matti\n\n", "Matti\n\nabc\n"}) {
        EXPECT_FALSE(setUp(script).completed) << script;
    }
}
