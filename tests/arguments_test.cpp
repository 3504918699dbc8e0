// The built program given arguments: what it prints where, its exit status, and
// the folder it leaves as it was. VASKI_PROGRAM, when set, is the command that
// runs another build; a Windows exe also takes "/?" and points to its README.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "support/test_support.h"

TEST(Arguments, HelpVersionAndUnknownOptions) {
    const char* given = std::getenv("VASKI_PROGRAM");
    const std::string program = given != nullptr ? given : VASKI_BINARY;
    const bool windows = program.find(".exe") != std::string::npos;
    const std::string unknown = "vaskipiikkikisa: tuntematon valinta: ";
    const std::string see = "\nKatso: vaskipiikkikisa --help\n";
    // Where the output begins, parts of it, and where it ends.
    const std::string more = windows ? "More: README.txt\n" : "More: man vaskipiikkikisa\n";
    const std::vector<std::string> help = {"Käyttö: vaskipiikkikisa",
                                           "_keskeytynyt.dat   keskeytynyt peli",
                                           "_hh.mm.ss.txt ja .html", "--version   the", more};
    const std::vector<std::string> none;
    const struct {
        std::string locale, arguments;  // the arguments as shell words
        std::vector<std::string> shown;
        std::string error;
        int status;
    } rows[] = {
        {"C.UTF-8", "--help", help, "", 0},
        {"C", "-h", help, "", 0},
        {"C", "--version", {"vaskipiikkikisa " VASKI_VERSION "\n"}, "", 0},
        {"C", "-V --help", {"vaskipiikkikisa " VASKI_VERSION "\n"}, "", 0},
        {"C", "'/?'", windows ? help : none, windows ? "" : unknown + "/?" + see, windows ? 0 : 2},
        {"C", "--help --Version", none, unknown + "--Version" + see, 2},
        {"C", "'-\x1b[2J\a' -h", none, unknown + "-?[2J?" + see, 2},
        {"C", "--version >/dev/full", none, "vaskipiikkikisa: tulostus ei onnistunut\n", 1},
    };
    const ScratchDir answers;
    const ScratchDir play;  // a game started by mistake would take the recovery file over
    for (const auto& row : rows) {
        writeFile("vaskipiikkikisa_keskeytynyt.dat", "x");
        const std::string command = "LC_ALL=" + row.locale + " " + program + " </dev/null >" +
                                    answers.path + "/out 2>" + answers.path + "/err " +
                                    row.arguments;
        const int status = std::system(command.c_str());
        const std::string out = fileContents(answers.path + "/out");
        std::string err = fileContents(answers.path + "/err");
        err.erase(std::remove(err.begin(), err.end(), '\r'), err.end());
        SCOPED_TRACE(command + "\n" + out);
        EXPECT_EQ(WEXITSTATUS(status), row.status);
        EXPECT_EQ(err, row.error);
        EXPECT_EQ(out.empty(), row.shown.empty());
        for (std::size_t i = 0; i < row.shown.size(); ++i) {
            // Piped, only the Linux build in a UTF-8 locale converts the letters.
            const std::string part =
                windows || row.locale == "C" ? cp850(row.shown[i]) : row.shown[i];
            const std::size_t at = out.find(part);
            EXPECT_TRUE(at != std::string::npos && (i > 0 || at == 0) &&
                        (i + 1 < row.shown.size() || at + part.size() == out.size()))
                << part;
        }
        EXPECT_EQ(filesStartingWith(""), "vaskipiikkikisa_keskeytynyt.dat\n") << "a file touched";
    }
}
