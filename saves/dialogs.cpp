#include "saves/dialogs.h"

#include <cstdint>

#include "console/readers.h"
#include "format/text.h"
#include "format/numbers.h"
#include "saves/saved_games.h"

std::string gameNameOfEntry(const std::string& entry) {
    const std::size_t end = entry.rfind(" (");
    return trimmed(end == std::string::npos ? entry : entry.substr(0, end));
}

ResumeResult resumeGame(Console& console, const std::vector<std::string>& savedGames,
                        GameState& state, const std::string& fileName) {
    console.out << '\n';
    if (savedGames.empty()) {
        return ResumeResult::Failed;
    }
    std::uint32_t choice = 1;
    if (savedGames.size() > 1) {
        console.out << "Valitse peli: \n";
        for (std::size_t i = 0; i < savedGames.size(); ++i) {
            console.out << "  " << unsignedToText(static_cast<std::uint32_t>(i + 1)) << ": "
                        << savedGames[i] << '\n';
        }
        const auto count = static_cast<std::uint32_t>(savedGames.size());
        if (!readChoice(console, "Valintasi: ", 1, count, choice)) {
            return ResumeResult::InputEnded;
        }
    }
    const std::string& entry = savedGames[choice - 1];
    if (!loadSavedGame(entry, fileName, state)) {
        return ResumeResult::Failed;
    }
    state.gameName = gameNameOfEntry(entry);
    return ResumeResult::Loaded;
}

bool saveGame(Console& console, GameState& state, const std::string& fileName, const Clock& clock,
              bool* saved) {
    std::string line;
    while (isBlank(state.gameName)) {
        if (!ask(console, "Anna pelille/tallennukselle nimi: ", line)) {
            return false;
        }
        // Kept as typed: blanks around the name go into the header line. Only
        // its control bytes are replaced, once a line of whitespace is refused.
        if (!isBlank(line)) {
            state.gameName = withoutControlBytes(line);
        }
    }
    const bool appended = appendSavedGame(state, dateStamp(clock()), fileName);
    if (saved != nullptr) {
        *saved = appended;
    }
    if (appended) {
        console.out << "Pelitilanne tallennettu.\n";
    } else {
        console.out << "Tallentaminen ei onnistunut. \n";
    }
    // The pause may meet the end of input; nothing is read after it then.
    pause(console);
    return !console.inputEnded;
}
