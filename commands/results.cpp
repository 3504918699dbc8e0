#include "commands/commands.h"

#include "report/results.h"

CommandResult writeResultsFile(Console&, GameState& state, const Clock& clock) {
    const std::string name = storeResults(state, clock());
    if (name.empty()) {
        // The recovery file keeps the game, so it can still be resumed.
        return {Outcome::Unchanged, "Tulosten tallentaminen ei onnistunut. Ohjelma lopetetaan. \n"};
    }
    return {Outcome::Saved, "Tulokset tallennettu tiedostoon:\n" + name + "\n"};
}
