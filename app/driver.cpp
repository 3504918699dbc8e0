#include "app/driver.h"

#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/round_entry.h"
#include "app/setup.h"
#include "commands/history.h"
#include "commands/roster.h"
#include "console/text.h"
#include "report/results.h"
#include "saves/dialogs.h"
#include "saves/saved_games.h"
#include "scoring/standings.h"
#include "scoring/statistics.h"

namespace {

// What the round menu leads to.
enum class Next { Round, Standings, End, InputEnded };

// The hyphens above and below the banner.
constexpr std::size_t BANNER_RULE_WIDTH = 51;

void printBanner(Console& console) {
    const std::string rule(BANNER_RULE_WIDTH, '-');
    console.out << rule << "\n"
                << "    Vaskipiikkikisa by Vilkaro v. 1.1\n"
                << "        - n\x84ytt\x84\x84 ja arkistoi tuloksesi\n"
                << "        - laskee tilastotietoja\n"
                << rule << "\n\n";
}

// Sets newGame for A, clears it for J; asks again, silently, for any other
// line. False at the end of input.
bool startMenu(Console& console, bool& newGame) {
    console.out << "Valitse: \n A = Aloita uusi peli\n J = Jatka tallennettua peli\x84\n";
    std::string line;
    while (ask(console, "Valintasi (A/J): ", line)) {
        if (line == "A" || line == "a" || line == "J" || line == "j") {
            newGame = line == "A" || line == "a";
            return true;
        }
    }
    return false;
}

// Start of the run up to the first standings: a resumed game, or a new game
// set up and ready for its first round. False at the end of input.
bool startGame(Console& console, GameState& state, bool& resumed) {
    resumed = false;
    std::vector<std::string> savedGames;
    if (listSavedGames(SAVED_GAMES_FILE, savedGames)) {
        bool newGame = true;
        if (!startMenu(console, newGame)) {
            return false;
        }
        if (!newGame) {
            switch (resumeGame(console, savedGames, state, SAVED_GAMES_FILE)) {
                case ResumeResult::Loaded:
                    resumed = true;
                    return true;
                case ResumeResult::InputEnded:
                    return false;
                case ResumeResult::Failed:
                    console.out << "VIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n";
                    break;
            }
        }
    }
    if (!setUpGame(console, state)) {
        return false;
    }
    clearScreen(console);
    return true;
}

void showStandings(Console& console, const GameState& state) {
    clearScreen(console);
    console.out << standingsTable(state.throwers, state.round, Form::Console)
                << statisticsBlock(state.throwers, state.round, Form::Console);
}

void printRoundMenu(Console& console) {
    console.out << "\nValitse: \n"
                << " S = Seuraava kierros (tai pelkk\x84 enter)\n"
                << " N = N\x84yt\x84 edellisten kierrosten tulokset\n"
                << " H = Hylk\x84\x84 viimeisimm\x84n kierroksen tulokset\n"
                << " U = Uusi pelaaja\n"
                << " T = Tallenna pelitilanne\n"
                << " L = Lopeta (tallentaa tulokset tiedostoon)\n";
}

Next roundMenu(Console& console, GameState& state, const Clock& clock) {
    printRoundMenu(console);
    std::string line;
    while (ask(console, "Valintasi (S/N/H/U/T/L): ", line)) {
        const std::string answer = upperCased(trimmed(line));
        if (answer == "L") {
            writeResultsFile(console, state, clock);
            return Next::End;
        }
        if (answer == "H" && state.round != 0) {
            discardLatestRound(state);
            return Next::Standings;
        }
        if (answer == "S" || answer.empty()) {
            console.out << "\n\n";
            return Next::Round;
        }
        if (answer == "U") {
            return addOrRecallThrower(console, state) ? Next::Standings : Next::InputEnded;
        }
        if (answer == "T") {
            const bool open = saveGame(console, state, SAVED_GAMES_FILE, clock);
            return open ? Next::Standings : Next::InputEnded;
        }
        if (answer == "N") {
            showRoundHistory(console, state);
            printRoundMenu(console);
        }
    }
    return Next::InputEnded;
}

int endOfInput(Console& console) {
    console.out << "\n";
    console.out.flush();
    return 0;
}

}  // namespace

int runGame(Console& console, const Clock& clock, GameState& state) {
    const LocalTime start = clock();
    state.startDate = dateStamp(start);
    state.startTime = timeStamp(start);
    printBanner(console);

    bool resumed = false;
    if (!startGame(console, state, resumed)) {
        return endOfInput(console);
    }
    Next next = resumed ? Next::Standings : Next::Round;
    for (;;) {
        if (next == Next::Round && !playRound(console, state)) {
            return endOfInput(console);
        }
        showStandings(console, state);
        next = roundMenu(console, state, clock);
        if (next == Next::End) {
            console.out.flush();
            return 0;
        }
        if (next == Next::InputEnded) {
            return endOfInput(console);
        }
    }
}
