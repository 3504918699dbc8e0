// The built program on pipes, as a script or another program would drive it:
// a whole game with every command, saved, resumed in a second run and ended.
// VASKI_PROGRAM, when set, is the command that runs another build of it (such
// as "wine-run /abs/path/vaskipiikkikisa.exe").
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <regex>

#include "support/test_support.h"

namespace {

// Made plain: every line end a line feed (a port may write carriage returns
// before them), today's date by the test's own clock and every date of a file
// name D, every time T (a second run within the same second numbers its file).
std::string plain(std::string text) {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    const std::string date = std::to_string(today.tm_mday) + "\\." +
                             std::to_string(today.tm_mon + 1) + "\\." +
                             std::to_string(today.tm_year + 1900);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    text = std::regex_replace(text, std::regex(date + R"(|\d{8})"), "D");
    return std::regex_replace(text, std::regex(R"(\d\d[:.]\d\d[:.]\d\d(_2)?)"), "T");
}

// What the program showed for `input`, made plain.
std::string run(const std::string& input) {
    writeFile("typed", input);
    const char* program = std::getenv("VASKI_PROGRAM");
    const std::string command = "cat typed | LC_ALL=C " +
                                std::string(program != nullptr ? program : VASKI_BINARY) +
                                " >shown";
    EXPECT_EQ(std::system(command.c_str()), 0);
    return plain(fileContents("shown"));
}

}  // namespace

// The screens are checked in-process; here the wiring of the program to its
// pipes and clock, and the files it leaves, byte for byte.
TEST(Game, PlayedSavedResumedAndEnded) {
    ScratchDir dir;
    // Round 2 is entered twice (H), Liisa withdraws, Eero joins and Liisa is
    // recalled; the second run resumes the only saved game unasked. Both
    // records, dated today, and both results files with their pages are left.
    std::string shown =
        run("Matti\nLiisa\n\n\n5\n7\nN\nS\nJ\n8\nH\n\n4\nV\nU\nEero\nU\nliisa\n\nT\nIlta\n\nL\n\n");
    shown += run("J\nS\n3\n8\n9\nT\n\nl\n\n");
    EXPECT_EQ(occurrences(shown, "tiedostoon:\nvaskipiikkikisa_tulokset_D_T.txt\n" + PAUSE), 2u)
        << shown;
    EXPECT_EQ(
        plain(fileContents("vaskipiikkikisa_tallennukset.dat")),
        "\n\nIlta (D, kierros 2)\n2\nD\nT\n50\n3\nMatti\n0\n5 4 \nLiisa\n0\n7 1001 \nEero\n0\n"
        "1001 1001 \n\n\n\nIlta (D, kierros 3)\n3\nD\nT\n50\n3\nMatti\n0\n5 4 3 \nLiisa\n0\n"
        "7 1001 8 \nEero\n0\n1001 1001 9 \n\n");
    EXPECT_EQ(plain(filesStartingWith("vaskipiikkikisa_tulokset_")),
              "vaskipiikkikisa_tulokset_D_T.html\nvaskipiikkikisa_tulokset_D_T.txt\n"
              "vaskipiikkikisa_tulokset_D_T.html\nvaskipiikkikisa_tulokset_D_T.txt\n");
}
