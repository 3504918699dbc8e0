// The built program given arguments: the help, the version and the refusal of
// an unknown option, where each is printed and with which exit status, and the
// folder left as it was. VASKI_PROGRAM, when set, is the command that runs
// another build; a Windows exe also takes "/?" and points to its README.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>

#include "support/test_support.h"

namespace {

struct Row {
    std::string locale;
    std::vector<std::string> arguments;
    std::vector<std::string> shown;  // the first begins the output, the last ends it
    std::string error;               // the whole of standard error
    int status;
};

// A recovery file that a game would take over at its start.
const std::string RECOVERY = "vaskipiikkikisa_keskeytynyt.dat";

std::string quoted(const std::string& argument) {
    std::string text = "'";
    for (const char c : argument) {
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return text + "'";
}

std::string withoutCarriageReturns(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Runs the program in the working directory, with no input, and checks what it
// printed (the help's letters in UTF-8 or code page 850); its two outputs go
// to the folder `answers`.
void check(const std::string& program, const Row& row, const std::string& answers, bool utf8) {
    std::string command = "LC_ALL=" + row.locale + " " + program;
    for (const std::string& argument : row.arguments) {
        command += " " + quoted(argument);
    }
    command += " </dev/null >" + answers + "/out 2>" + answers + "/err";
    const int status = std::system(command.c_str());
    const std::string out = fileContents(answers + "/out");
    SCOPED_TRACE(command + "\n" + out);
    EXPECT_EQ(WEXITSTATUS(status), row.status);
    EXPECT_EQ(withoutCarriageReturns(fileContents(answers + "/err")), row.error);
    EXPECT_EQ(out.empty(), row.shown.empty());
    for (std::size_t i = 0; i < row.shown.size(); ++i) {
        const std::string part = utf8 ? row.shown[i] : cp850(row.shown[i]);
        const std::size_t at = out.find(part);
        EXPECT_NE(at, std::string::npos) << part;
        EXPECT_TRUE(i != 0 || at == 0) << part;
        EXPECT_TRUE(i + 1 != row.shown.size() || at + part.size() == out.size()) << part;
    }
}

}  // namespace

TEST(Arguments, HelpVersionAndUnknownOptions) {
    const char* given = std::getenv("VASKI_PROGRAM");
    const std::string program = given != nullptr ? given : VASKI_BINARY;
    const bool windows = program.find(".exe") != std::string::npos;
    const std::string more = windows ? "README.txt\n" : "man vaskipiikkikisa\n";
    const std::string version = "vaskipiikkikisa " VASKI_VERSION "\n";
    const std::string unknown = "vaskipiikkikisa: tuntematon valinta: ";
    const std::string see = "\nKatso: vaskipiikkikisa --help\n";
    const std::vector<std::string> help = {
        "Käyttö: vaskipiikkikisa",
        "vaskipiikkikisa_tallennukset.dat",
        "vaskipiikkikisa_keskeytynyt.dat",
        "vaskipiikkikisa_tulokset_YYYYMMDD_hh.mm.ss.txt ja .html",
        "H  hylkää viimeisin kierros\n",
        "\nUsage: vaskipiikkikisa",
        "More: " + more};
    const std::vector<Row> rows = {
        {"C.UTF-8", {"--help"}, help, "", 0},
        {"C", {"-h"}, help, "", 0},
        {"C", {"--version"}, {version}, "", 0},
        {"C", {"-V", "--help"}, {version}, "", 0},
        windows ? Row{"C", {"/?"}, help, "", 0} : Row{"C", {"/?"}, {}, unknown + "/?" + see, 2},
        {"C", {"--help", "--Version"}, {}, unknown + "--Version" + see, 2},
        {"C", {"-\x1b[2J\a"}, {}, unknown + "-?[2J?" + see, 2},
        {"C", {""}, {}, unknown + see, 2},
    };
    const ScratchDir answers;
    const ScratchDir play;
    for (const Row& row : rows) {
        writeFile(RECOVERY, "x");
        // Piped, the Windows exe and the C locale pass the code page 850 bytes on.
        check(program, row, answers.path, !windows && row.locale == "C.UTF-8");
        EXPECT_EQ(filesStartingWith(""), RECOVERY + "\n") << "a file touched";
    }
}
