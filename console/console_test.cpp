#include "console/console.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

const std::string PAUSE = cp850("Jatka painamalla mitä tahansa näppäintä . . . ");

std::vector<std::string> allLines(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    Console console{in, out};
    std::vector<std::string> lines;
    std::string line;
    while (readLine(console, line)) {
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
    EXPECT_EQ(allLines("a\rb \n"), Lines{"a\rb "});
    EXPECT_EQ(allLines(cp850(" Äijä \n")), Lines{cp850(" Äijä ")});
}

TEST(ConsoleTest, EndOfInputStaysEnded) {
    std::istringstream in("x\n");
    std::ostringstream out;
    Console console{in, out};
    std::string line;
    ASSERT_TRUE(readLine(console, line));
    EXPECT_FALSE(readLine(console, line));
    EXPECT_TRUE(console.inputEnded);
    EXPECT_EQ(console.readsAfterEnd, 0u);
    EXPECT_FALSE(readLine(console, line));
    EXPECT_EQ(console.readsAfterEnd, 1u);
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
    std::istringstream in;
    std::ostringstream out;
    Console console{in, out};
    clearScreen(console);
    EXPECT_EQ(out.str(), "\x1b[H\x1b[2J\x1b[3J");
}

TEST(ConsoleTest, PauseTakesOneLineWithoutATerminal) {
    for (const char* input : {"jotain\nseuraava\n", "\nseuraava", "jotain", ""}) {
        std::istringstream in(input);
        std::ostringstream out;
        Console console{in, out};
        pause(console);
        EXPECT_EQ(out.str(), PAUSE + "\n") << input;
        std::string line;
        const bool more = readLine(console, line);
        EXPECT_EQ(more, std::string(input).find("seuraava") != std::string::npos) << input;
        if (more) {
            EXPECT_EQ(line, "seuraava");
        }
    }
}

TEST(ConsoleTest, PauseOnATerminalWaitsForAKeyInstead) {
    std::istringstream in("seuraava\n");
    std::ostringstream out;
    Console console{in, out};
    console.waitForKey = [] { return true; };
    pause(console);
    EXPECT_EQ(out.str(), PAUSE + "\n");
    EXPECT_FALSE(console.inputEnded);
    std::string line;
    ASSERT_TRUE(readLine(console, line));
    EXPECT_EQ(line, "seuraava");

    console.waitForKey = [] { return false; };  // the terminal closed
    pause(console);
    EXPECT_TRUE(console.inputEnded);
}

}  // namespace
