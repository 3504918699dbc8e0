#include "saves/record_reader.h"

#include <cstdint>
#include <vector>

#include "format/numbers.h"
#include "format/text.h"

namespace {

// Reads the record the way a text stream does: numbers skip whitespace and
// line ends before them, lines are taken whole. Any failure sticks.
struct Reader {
    const std::string& text;
    std::size_t at = 0;
    bool failed = false;

    // A decimal integer with an optional sign; values beyond the counts a game
    // can hold fail, like a number too large for the stream's type.
    std::int64_t number() {
        const ScannedNumber scanned = scanNumber(text, at);
        if (!scanned.found || scanned.magnitude > LARGEST_NUMBER) {
            failed = true;
        }
        const auto value = static_cast<std::int64_t>(scanned.magnitude);
        return scanned.negative ? -value : value;
    }

    // The rest of the current line, line feed consumed; fails at the very end.
    std::string line() {
        std::string content;
        failed = !takeLine(text, at, content) || failed;
        return content;
    }

    std::int64_t numberLine() {
        const std::int64_t value = number();
        line();
        return value;
    }
};

bool isStoredEntry(std::int64_t entry) {
    return (entry >= 0 && entry <= HIGHEST_MAX_SCORE) || entry == NO_RESULT;
}

bool readThrower(Reader& reader, std::int64_t rounds, ThrowerRecord& thrower) {
    thrower.name = reader.line();
    const std::int64_t flag = reader.numberLine();
    // A name never begins with whitespace, so its short form, all that a save
    // keeps, is never blank; a blank one saved again at round 0 would stand
    // beside the empty points line as two blank lines, which open a record.
    if (reader.failed || isBlank(shortName(thrower))) {
        return false;
    }
    // Checked as read, so a name of carriage returns stays refused; held, the
    // name has no control byte left to reach the terminal.
    thrower.name = withoutControlBytes(thrower.name);
    for (std::int64_t round = 0; round < rounds; ++round) {
        const std::int64_t entry = reader.number();
        if (reader.failed || !isStoredEntry(entry)) {
            return false;
        }
        addRoundPoints(thrower, static_cast<std::uint32_t>(entry));
    }
    reader.line();
    thrower.withdrawn = flag != 0;
    return !reader.failed;
}

}  // namespace

bool readSavedGameBody(const std::string& text, GameState& state) {
    Reader reader{text};
    const std::int64_t rounds = reader.numberLine();
    const std::string startDate = reader.line();
    const std::string startTime = reader.line();
    const std::int64_t maxScore = reader.numberLine();
    const std::int64_t count = reader.numberLine();
    if (reader.failed || rounds < 0 || rounds > MOST_SAVED_ROUNDS || count < 0 || maxScore < 1 ||
        maxScore > HIGHEST_MAX_SCORE) {
        return false;
    }
    // No space is reserved from the counts: they are believed only as far as
    // the data behind them is actually there.
    std::vector<ThrowerRecord> throwers;
    for (std::int64_t i = 0; i < count; ++i) {
        ThrowerRecord thrower;
        if (!readThrower(reader, rounds, thrower)) {
            return false;
        }
        throwers.push_back(std::move(thrower));
    }
    state.round = static_cast<std::uint32_t>(rounds);
    state.startDate = startDate;
    state.startTime = startTime;
    state.maxScore = static_cast<std::uint32_t>(maxScore);
    state.throwers = std::move(throwers);
    return true;
}
