#include "app/driver.h"

#include <string>
#include <vector>

#include "app/game_state.h"
#include "app/round_entry.h"
#include "app/setup.h"
#include "scoring/round_history.h"
#include "commands/roster.h"
#include "console/text.h"
#include "report/results.h"
#include "saves/dialogs.h"
#include "saves/recovery.h"
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
                << "    Vaskipiikkikisa by Vilkaro v. " VASKI_VERSION "\n"
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

void showStandings(Console& console, const GameState& state, const Recovery& recovery) {
    clearScreen(console);
    console.out << standingsTable(state.throwers, state.round, Form::Console)
                << statisticsBlock(state.throwers, state.round, Form::Console);
    warnIfUnsecured(console, recovery);
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

// Who plays and who has withdrawn: what U changes when it adds or recalls.
std::vector<bool> roster(const GameState& state) {
    std::vector<bool> withdrawn;
    for (const ThrowerRecord& thrower : state.throwers) {
        withdrawn.push_back(isWithdrawn(thrower));
    }
    return withdrawn;
}

// Command U; a thrower added or recalled is secured also when the pause after
// a recall meets the end of input.
Next addThrower(Console& console, GameState& state, const Clock& clock, Recovery& recovery) {
    const std::vector<bool> before = roster(state);
    const bool open = addOrRecallThrower(console, state);
    if (roster(state) != before) {
        gameChanged(recovery, console, state, clock);
    }
    return open ? Next::Standings : Next::InputEnded;
}

// Command T; once the record is in the saved-games file the recovery file is
// no longer needed.
Next save(Console& console, GameState& state, const Clock& clock, Recovery& recovery) {
    bool saved = false;
    const bool open = saveGame(console, state, SAVED_GAMES_FILE, clock, &saved);
    if (saved) {
        dropRecovery(recovery);
    }
    return open ? Next::Standings : Next::InputEnded;
}

Next roundMenu(Console& console, GameState& state, const Clock& clock, Recovery& recovery) {
    printRoundMenu(console);
    std::string line;
    while (ask(console, "Valintasi (S/N/H/U/T/L): ", line)) {
        const std::string answer = upperCased(trimmed(line));
        if (answer == "L") {
            // When the results file could not be written the game can still be
            // resumed from the recovery file.
            if (writeResultsFile(console, state, clock)) {
                dropRecovery(recovery);
            }
            return Next::End;
        }
        if (answer == "H" && state.round != 0) {
            discardLatestRound(state);
            gameChanged(recovery, console, state, clock);
            return Next::Standings;
        }
        if (answer == "S" || answer.empty()) {
            console.out << "\n\n";
            return Next::Round;
        }
        if (answer == "U") {
            return addThrower(console, state, clock, recovery);
        }
        if (answer == "T") {
            return save(console, state, clock, recovery);
        }
        if (answer == "N") {
            console.out << roundHistory(state.throwers, state.round, Form::Console);
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

// The game from the take-over of an interrupted one to its end.
int runAfterBanner(Console& console, const Clock& clock, GameState& state, Recovery& recovery) {
    recovery = takeOverRecovery(console, SAVED_GAMES_FILE);
    bool resumed = false;
    if (!startGame(console, state, resumed)) {
        return endOfInput(console);
    }
    if (resumed) {
        dropRecovery(recovery);  // the game stands as its saved record
    }
    Next next = resumed ? Next::Standings : Next::Round;
    for (;;) {
        if (next == Next::Round) {
            if (!playRound(console, state)) {
                return endOfInput(console);
            }
            gameChanged(recovery, console, state, clock);
        }
        showStandings(console, state, recovery);
        next = roundMenu(console, state, clock, recovery);
        if (next == Next::End) {
            console.out.flush();
            return 0;
        }
        if (next == Next::InputEnded) {
            return endOfInput(console);
        }
    }
}

}  // namespace

int runGame(Console& console, const Clock& clock, GameState& state) {
    const LocalTime start = clock();
    state.startDate = dateStamp(start);
    state.startTime = timeStamp(start);
    printBanner(console);
    Recovery recovery;
    console.beforeWaiting = [&] { securePending(recovery, state, clock); };
    const int status = runAfterBanner(console, clock, state, recovery);
    // A change still held back (the results file failed, or the input ended)
    // is written before the program ends.
    securePending(recovery, state, clock);
    console.beforeWaiting = nullptr;
    return status;
}
