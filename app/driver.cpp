#include "app/driver.h"

#include <string>

#include "app/game_state.h"
#include "app/round_entry.h"
#include "app/setup.h"
#include "commands/commands.h"
#include "format/text.h"
#include "saves/recovery.h"
#include "saves/resume.h"
#include "saves/saved_games.h"
#include "scoring/standings.h"
#include "scoring/statistics.h"

namespace {

// Where the game goes next.
enum class Next { Round, Standings, Menu, End, InputEnded };

// A command of the round menu: its letter and where the game goes after it.
struct MenuCommand {
    const char* letter;
    CommandResult (*run)(Console&, GameState&, const Clock&);
    Next then;
};

const MenuCommand MENU_COMMANDS[] = {
    {"L", writeResultsFile, Next::End},         {"H", discardLatestRound, Next::Standings},
    {"U", addOrRecallThrower, Next::Standings}, {"T", saveGame, Next::Standings},
    {"N", showRoundHistory, Next::Menu},
};

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

// How the run begins.
enum class Start { NewGame, Resumed, InputEnded };

// Resumes a saved game when there are any and the operator chooses J.
Start offerSavedGames(Console& console, GameState& state) {
    SavedGames savedGames;
    const ReadResult read = listSavedGames(SAVED_GAMES_FILE, savedGames);
    if (read == ReadResult::Unreadable) {
        console.out << "VIRHE: Tallennettuja pelej\x84 ei voitu lukea.\n";
    }
    if (read != ReadResult::Read || gameCount(savedGames) == 0) {
        return Start::NewGame;
    }
    bool newGame = true;
    if (!startMenu(console, newGame)) {
        return Start::InputEnded;
    }
    if (newGame) {
        return Start::NewGame;
    }
    switch (resumeGame(console, savedGames, state, SAVED_GAMES_FILE)) {
        case ResumeResult::Loaded:
            return Start::Resumed;
        case ResumeResult::InputEnded:
            return Start::InputEnded;
        case ResumeResult::Failed:
            break;
    }
    console.out << "VIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n";
    return Start::NewGame;
}

// Start of the run up to the first standings: a resumed game, or a new game
// set up and ready for its first round.
Start startGame(Console& console, GameState& state) {
    const Start start = offerSavedGames(console, state);
    if (start != Start::NewGame) {
        return start;
    }
    if (!setUpGame(console, state)) {
        return Start::InputEnded;
    }
    clearScreen(console);
    return Start::NewGame;
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

// The command a trimmed answer names; none for any other answer, and for H
// while no round has been played, as there is nothing to discard.
const MenuCommand* commandFor(const std::string& answer, const GameState& state) {
    for (const MenuCommand& command : MENU_COMMANDS) {
        if (answer == command.letter) {
            return answer == "H" && state.round == 0 ? nullptr : &command;
        }
    }
    return nullptr;
}

// The one place where what a round or a command did to the game decides what
// becomes of the recovery file. Then the message, if any, and its pause: the
// file is settled before the program waits there. False when the input ended.
bool settle(Console& console, Recovery& recovery, const GameState& state, const Clock& clock,
            const CommandResult& result) {
    switch (result.outcome) {
        case Outcome::Changed:
            gameChanged(recovery, console, state, clock);
            break;
        case Outcome::Saved:
            dropRecovery(recovery);
            break;
        case Outcome::Unchanged:
            break;
        case Outcome::InputEnded:
            return false;
    }
    if (result.message.empty()) {
        return true;
    }
    console.out << result.message;
    return pause(console);
}

Next roundMenu(Console& console, GameState& state, const Clock& clock, Recovery& recovery) {
    printRoundMenu(console);
    std::string line;
    while (ask(console, "Valintasi (S/N/H/U/T/L): ", line)) {
        const std::string answer = upperCased(trimmed(line));
        if (answer == "S" || answer.empty()) {
            console.out << "\n\n";
            return Next::Round;
        }
        const MenuCommand* command = commandFor(answer, state);
        if (command == nullptr) {
            continue;
        }
        const bool inputRemains =
            settle(console, recovery, state, clock, command->run(console, state, clock));
        // L ends the program, also when its pause meets the end of input.
        if (command->then == Next::End) {
            return Next::End;
        }
        if (!inputRemains) {
            return Next::InputEnded;
        }
        if (command->then != Next::Menu) {
            return command->then;
        }
        printRoundMenu(console);
    }
    return Next::InputEnded;
}

int endOfInput(Console& console) {
    console.out << "\n";
    console.out.flush();
    return 0;
}

// The game from its start to its end.
int play(Console& console, const Clock& clock, GameState& state, Recovery& recovery) {
    const Start start = startGame(console, state);
    if (start == Start::InputEnded) {
        return endOfInput(console);
    }
    Next next = start == Start::Resumed ? Next::Standings : Next::Round;
    for (;;) {
        if (next == Next::Round &&
            !settle(console, recovery, state, clock, {playRound(console, state), ""})) {
            return endOfInput(console);
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
    startRecovery(recovery, console, SAVED_GAMES_FILE);
    console.beforeWaiting = [&] { securePending(recovery, state, clock); };
    const int status = play(console, clock, state, recovery);
    // A change still held back (the results file failed, or the input ended)
    // is written before the program ends.
    securePending(recovery, state, clock);
    console.beforeWaiting = nullptr;
    return status;
}
