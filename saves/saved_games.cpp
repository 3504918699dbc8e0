#include "saves/saved_games.h"

#include "format/text.h"
#include "saves/record.h"

const char* const SAVED_GAMES_FILE = "vaskipiikkikisa_tallennukset.dat";

namespace {

// Runs the scanner over the whole file.
ReadResult scanFile(const std::string& fileName, RecordScanner& scanner) {
    const ReadResult read = readInBlocks(fileName, [&](const char* bytes, std::size_t count) {
        return scanBytes(scanner, bytes, count);
    });
    endScan(scanner);
    return read;
}

// What a new record must follow so that the record before it keeps its end:
// a cut-off line is ended with a line feed (so its record, whose last number
// may be cut short, stays refused), and a whole last line gets the empty line
// that closes its record. `tail` is the file's end.
std::string separatorAfter(const std::string& tail) {
    if (tail.empty()) {
        return "";
    }
    if (tail.back() != '\n') {
        return "\n";
    }
    const std::string ended = tail.substr(0, tail.size() - 1);
    const std::size_t previous = ended.rfind('\n');
    return isBlank(ended.substr(previous == std::string::npos ? 0 : previous + 1)) ? "" : "\n";
}

// Enough of the file's end to see its last line, as a save writes it.
constexpr std::size_t TAIL_SIZE = 64;

}  // namespace

std::size_t gameCount(const SavedGames& games) {
    return games.ends.size();
}

std::string savedGame(const SavedGames& games, std::size_t index) {
    const std::size_t begin = index == 0 ? 0 : games.ends[index - 1];
    return games.text.substr(begin, games.ends[index] - begin);
}

ReadResult listSavedGames(const std::string& fileName, SavedGames& games) {
    SavedGames listed;
    RecordScanner scanner;
    scanner.wanted = [&](std::size_t, const std::string& header) {
        listed.text += listedHeader(header);
        listed.ends.push_back(listed.text.size());
        return false;
    };
    const ReadResult read = scanFile(fileName, scanner);
    if (read == ReadResult::Read) {
        games = std::move(listed);
    }
    return read;
}

bool appendSavedGame(const GameState& state, const std::string& saveDate,
                     const std::string& fileName) {
    std::string record;
    return makeRecord(recordHeader(state.gameName, saveDate, state.round), state, record) &&
           appendToFile(fileName, TAIL_SIZE,
                        [&](const std::string& tail) { return separatorAfter(tail) + record; });
}

bool appendRecordOnce(const std::string& record, const std::string& fileName) {
    return appendToFile(fileName, record.size() + TAIL_SIZE, [&](const std::string& tail) {
        const bool endsWithIt =
            tail.size() >= record.size() &&
            tail.compare(tail.size() - record.size(), record.size(), record) == 0;
        return endsWithIt ? "" : separatorAfter(tail) + record;
    });
}

bool loadSavedGame(std::size_t index, const std::string& entry, const std::string& fileName,
                   GameState& state) {
    bool loaded = false;
    RecordScanner scanner;
    scanner.wanted = [&](std::size_t at, const std::string& header) {
        return at >= index && listedHeader(header) == entry;
    };
    // A save repeated after one that failed half-way has the same header as the
    // record it left cut off.
    scanner.found = [&](const FoundRecord& record) {
        loaded = readRecord(record, state);
        return !loaded;
    };
    return scanFile(fileName, scanner) == ReadResult::Read && loaded;
}
