#include "console/console.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

// A console over typed text, with the screen kept in a string.
struct Typed {
    explicit Typed(const std::string& input) : in(input) {}
    std::istringstream in;
    std::ostringstream out;
    Console console{in, out};
};

std::vector<std::string> allLines(const std::string& input) {
    Typed typed(input);
    std::vector<std::string> lines;
    for (std::string line; readLine(typed.console, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(ConsoleTest, LinesEndAtTheLineFeed) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(allLines(""), Lines{});
    EXPECT_EQ(allLines("\n"), Lines{""});
    EXPECT_EQ(allLines("abc\ndef"), (Lines{"abc", "def"}));
    EXPECT_EQ(allLines("abc\r\n\r\n"), (Lines{"abc", ""}));
    EXPECT_EQ(allLines("a\r\r\n"), Lines{"a\r"});
}

TEST(ConsoleTest, EndOfInputStaysEndedAndLaterReadsAreCounted) {
    Typed typed("x\n");
    std::string line;
    ASSERT_TRUE(readLine(typed.console, line));
    EXPECT_FALSE(readLine(typed.console, line));
    EXPECT_TRUE(typed.console.inputEnded);
    EXPECT_EQ(typed.console.readsAfterEnd, 0u);
    EXPECT_FALSE(readLine(typed.console, line));
    EXPECT_EQ(typed.console.readsAfterEnd, 1u);
}

TEST(ConsoleTest, OutputIsFlushedBeforeReading) {
    ScratchDir dir;
    std::ofstream out("screen");
    std::istringstream in("Matti\n");
    Console console{in, out};
    std::string line;
    ASSERT_TRUE(ask(console, "Nimi: ", line));
    EXPECT_EQ(line, "Matti");
    EXPECT_EQ(fileContents("screen"), "Nimi: ");
    out << "loppu";
    EXPECT_FALSE(readLine(console, line));
    EXPECT_EQ(fileContents("screen"), "Nimi: loppu");
}

TEST(ConsoleTest, ClearScreen) {
    Typed typed("");
    clearScreen(typed.console);
    EXPECT_EQ(typed.out.str(), "\x1b[H\x1b[2J\x1b[3J");
}

TEST(ConsoleTest, PauseTakesOneLineWithoutATerminal) {
    for (const std::string input : {"jotain\nseuraava\n", "\nseuraava", "jotain", ""}) {
        Typed typed(input);
        pause(typed.console);
        EXPECT_EQ(typed.out.str(), PAUSE) << input;
        std::string line;
        const bool more = input.find("seuraava") != std::string::npos;
        EXPECT_EQ(readLine(typed.console, line), more) << input;
        if (more) {
            EXPECT_EQ(line, "seuraava");
        }
    }
}

TEST(ConsoleTest, PauseOnATerminalWaitsForAKeyInstead) {
    Typed typed("seuraava\n");
    typed.console.waitForKey = [] { return true; };
    pause(typed.console);
    EXPECT_EQ(typed.out.str(), PAUSE);
    std::string line;
    EXPECT_TRUE(readLine(typed.console, line) && line == "seuraava");
    typed.console.waitForKey = [] { return false; };  // the terminal closed
    pause(typed.console);
    EXPECT_TRUE(typed.console.inputEnded);
}

}  // namespace
