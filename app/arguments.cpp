#include "app/arguments.h"

#include "format/numbers.h"
#include "format/text.h"
#include "saves/recovery.h"
#include "saves/saved_games.h"

namespace {

#ifdef _WIN32
// A Windows console program is asked for help with "/?" as well; it has no
// manual page, its guide is the README beside the exe.
constexpr bool WINDOWS = true;
#else
constexpr bool WINDOWS = false;
#endif

const char* const PROGRAM = "vaskipiikkikisa";

// Where the option names end and their meanings begin; likewise the files' names.
constexpr std::uint32_t OPTION_COLUMN = 16;
constexpr std::uint32_t FILE_COLUMN = 34;

bool asksForHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h" || (WINDOWS && argument == "/?");
}

bool asksForVersion(const std::string& argument) {
    return argument == "--version" || argument == "-V";
}

std::string optionLines(const std::string& help, const std::string& version) {
    return "  " + padRight(WINDOWS ? "-h, --help, /?" : "-h, --help", OPTION_COLUMN) + help +
           "\n  " + padRight("-V, --version", OPTION_COLUMN) + version + "\n";
}

// A file the program writes, with what it holds; the names in one column.
std::string fileLine(const std::string& name, const std::string& holds) {
    return "  " + padRight(name, FILE_COLUMN) + holds + "\n";
}

std::string moreHelp() {
    return WINDOWS ? "README.txt" : "man vaskipiikkikisa";
}

// The quick guide's lines, one for each letter the operator answers with.
std::string finnishHelp() {
    return "K\x84ytt\x94: vaskipiikkikisa [VALINTA]\n"
           "Tikkaillan pistelaskuri: joka kierroksella kirjoitetaan kunkin heitt\x84j\x84n\n"
           "pisteet, ja ohjelma n\x84ytt\x84\x84 tilanteen ja tilastot. Ilman valintaa peli "
           "alkaa.\n" +
           optionLines("t\x84m\x84 ohje", "ohjelman versio") +
           "\nTiedostot kirjoitetaan nykyiseen kansioon:\n" +
           fileLine(SAVED_GAMES_FILE, "tallennetut pelit") +
           fileLine(RECOVERY_FILE, "keskeytynyt peli, jatkuu valinnalla J") +
           "  vaskipiikkikisa_tulokset_YYYYMMDD_hh.mm.ss.txt ja .html: tulokset ja kaavio\n"
           "\nAlussa, kun tallennettuja pelej\x84 on:\n"
           "  A  uusi peli\n"
           "  J  jatka tallennettua peli\x84\n"
           "Kirjoita heitt\x84jien nimet, yksi kerrallaan, ja paina lopuksi pelkk\x84 Enter.\n"
           "Anna maksimitulos tai paina Enter (oletus 50).\n"
           "Kirjoita joka kierroksella kunkin heitt\x84j\x84n pisteet, tai:\n"
           "  J  j\x84tt\x84\x84 kierroksen v\x84liin\n"
           "  V  vet\x84ytyy pelist\x84\n"
           "Kierrosten v\x84liss\x84:\n"
           "  S  seuraava kierros (tai pelkk\x84 Enter)\n"
           "  N  aiemmat kierrokset\n"
           "  H  hylk\x84\x84 viimeisin kierros\n"
           "  U  uusi pelaaja tai vet\x84ytyneen paluu\n"
           "  T  tallenna\n"
           "  L  lopeta (kirjoittaa tulokset)\n"
           "Lis\x84tietoja: " +
           moreHelp() + "\n";
}

std::string englishHelp() {
    return "Usage: vaskipiikkikisa [OPTION]\n"
           "Score keeper for a darts evening: each round the points of every thrower are\n"
           "typed in, and the program shows the standings and statistics. Without an\n"
           "option the game starts.\n" +
           optionLines("this help", "the program's version") +
           "\nFiles are written in the current folder:\n" +
           fileLine(SAVED_GAMES_FILE, "the saved games") +
           fileLine(RECOVERY_FILE, "an interrupted game, resumed with J") +
           "  vaskipiikkikisa_tulokset_YYYYMMDD_hh.mm.ss.txt and .html: results and chart\n"
           "\nAt start, when there are saved games:\n"
           "  A  a new game\n"
           "  J  resume a saved game\n"
           "Type the throwers' names one per line, then an empty line.\n"
           "Give the maximum score of one round, or Enter for 50.\n"
           "Each round, type every thrower's points, or:\n"
           "  J  skips this round\n"
           "  V  withdraws from the game\n"
           "Between rounds:\n"
           "  S  the next round (or Enter alone)\n"
           "  N  the earlier rounds\n"
           "  H  discards the latest round\n"
           "  U  a new thrower, or a withdrawn one recalled\n"
           "  T  saves the game\n"
           "  L  ends the game (writes the results)\n"
           "More: " +
           moreHelp() + "\n";
}

}  // namespace

std::optional<int> answerArguments(const std::vector<std::string>& arguments, std::ostream& out,
                                   std::ostream& err) {
    if (arguments.empty()) {
        return std::nullopt;
    }
    // No argument is passed over: one the program does not know may be a
    // mistyped option, and playing on would write files where none was meant.
    for (const std::string& argument : arguments) {
        if (!asksForHelp(argument) && !asksForVersion(argument)) {
            err << PROGRAM << ": tuntematon valinta: " << withoutControlBytes(argument) << "\n"
                << "Katso: " << PROGRAM << " --help\n";
            return 2;
        }
    }
    if (asksForHelp(arguments.front())) {
        out << finnishHelp() << "\n" << englishHelp();
    } else {
        out << PROGRAM << " " << VASKI_VERSION << "\n";
    }
    // A help or version that never arrived (a full disk) is no success.
    if (!out.flush()) {
        err << PROGRAM << ": tulostus ei onnistunut\n";
        return 1;
    }
    return 0;
}
