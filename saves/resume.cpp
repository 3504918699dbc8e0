#include "saves/resume.h"

#include <cstdint>

#include "console/readers.h"
#include "format/numbers.h"
#include "format/text.h"

std::string gameNameOfEntry(const std::string& entry) {
    const std::size_t end = entry.rfind(" (");
    return trimmed(end == std::string::npos ? entry : entry.substr(0, end));
}

ResumeResult resumeGame(Console& console, const SavedGames& savedGames, GameState& state,
                        const std::string& fileName) {
    console.out << '\n';
    const std::size_t count = gameCount(savedGames);
    std::uint32_t choice = 1;
    if (count > 1) {
        console.out << "Valitse peli: \n";
        for (std::size_t i = 0; i < count; ++i) {
            console.out << "  " << unsignedToText(static_cast<std::uint32_t>(i + 1)) << ": "
                        << savedGame(savedGames, i) << '\n';
        }
        if (!readChoice(console, "Valintasi: ", 1, static_cast<std::uint32_t>(count), choice)) {
            return ResumeResult::InputEnded;
        }
    }
    const std::string entry = savedGame(savedGames, choice - 1);
    if (!loadSavedGame(choice - 1, entry, fileName, state)) {
        return ResumeResult::Failed;
    }
    state.gameName = gameNameOfEntry(entry);
    return ResumeResult::Loaded;
}
