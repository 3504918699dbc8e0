#include "commands/commands.h"
#include "format/text.h"
#include "saves/saved_games.h"

CommandResult saveGame(Console& console, GameState& state, const Clock& clock) {
    std::string line;
    while (isBlank(state.gameName)) {
        if (!ask(console, "Anna pelille/tallennukselle nimi: ", line)) {
            return {Outcome::InputEnded, ""};
        }
        // Kept as typed: blanks around the name go into the header line. Only
        // its control bytes are replaced, once a line of whitespace is refused.
        if (!isBlank(line)) {
            state.gameName = withoutControlBytes(line);
        }
    }
    if (!appendSavedGame(state, dateStamp(clock()), SAVED_GAMES_FILE)) {
        return {Outcome::Unchanged, "Tallentaminen ei onnistunut. \n"};
    }
    return {Outcome::Saved, "Pelitilanne tallennettu.\n"};
}
