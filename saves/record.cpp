#include "saves/record.h"

#include <cstring>
#include <utility>
#include <vector>

#include "format/numbers.h"
#include "format/text.h"

namespace {

// The limits every record keeps: checked alike when one is written and when
// one is read, so that whatever is written can be read back.

bool isStoredCount(std::int64_t rounds, std::int64_t maxScore, std::int64_t throwers) {
    return rounds >= 0 && rounds <= MOST_SAVED_ROUNDS && maxScore >= 1 &&
           maxScore <= HIGHEST_MAX_SCORE && throwers >= 0;
}

bool isStoredEntry(std::int64_t entry) {
    return (entry >= 0 && entry <= HIGHEST_MAX_SCORE) || entry == NO_RESULT;
}

// A blank line there would stand beside the empty points line of a game saved
// at round 0 as two empty lines, which open a record.
bool isStoredLine(const std::string& line) {
    return !isBlank(line);
}

// Reads a record's lines the way a text stream does: numbers skip whitespace
// and line ends before them, lines are taken whole. Any failure sticks.
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

    // The rest of the current line, line feed consumed; fails at the very end,
    // so a number that touches the end of a cut-off file is never taken.
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

bool readThrower(Reader& reader, std::int64_t rounds, ThrowerRecord& thrower) {
    thrower.name = reader.line();
    const std::int64_t flag = reader.numberLine();
    // Checked as read, so a name of carriage returns stays refused; held, the
    // name has no control byte left to reach the terminal.
    if (reader.failed || !isStoredLine(shortName(thrower))) {
        return false;
    }
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

bool readBody(const std::string& body, GameState& state) {
    Reader reader{body};
    const std::int64_t rounds = reader.numberLine();
    // Like a name, a stamp keeps no control byte: what is loaded is written
    // again as it was read.
    const std::string startDate = withoutControlBytes(reader.line());
    const std::string startTime = withoutControlBytes(reader.line());
    const std::int64_t maxScore = reader.numberLine();
    const std::int64_t count = reader.numberLine();
    if (reader.failed || !isStoredCount(rounds, maxScore, count) || !isStoredLine(startDate) ||
        !isStoredLine(startTime)) {
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

bool fitsRecord(const std::string& header, const GameState& state) {
    if (!isStoredLine(header) || !isStoredLine(state.startDate) || !isStoredLine(state.startTime) ||
        !isStoredCount(state.round, state.maxScore,
                       static_cast<std::int64_t>(state.throwers.size()))) {
        return false;
    }
    for (const ThrowerRecord& thrower : state.throwers) {
        if (!isStoredLine(shortName(thrower)) || thrower.points.size() != state.round) {
            return false;
        }
        for (const std::uint32_t entry : thrower.points) {
            if (!isStoredEntry(entry)) {
                return false;
            }
        }
    }
    return true;
}

// The kept record that ends here: with its empty lines, it is complete.
void closeRecord(RecordScanner& scanner, bool followed) {
    if (!scanner.keeping) {
        return;
    }
    scanner.keeping = false;
    FoundRecord& record = scanner.record;
    record.trailingBlanks = scanner.blanks;
    record.lines += scanner.blanks;
    record.followed = followed;
    if (scanner.blanks > 0) {
        record.body += scanner.firstBlank;
    }
    scanner.stopped = !scanner.found(record);
}

// A line after two or more empty ones opens a record; a line too long for
// any record opens one that is never listed or read.
void openRecord(RecordScanner& scanner) {
    if (scanner.lineOverlong) {
        return;
    }
    const std::size_t index = scanner.listed++;
    if (scanner.wanted(index, scanner.line)) {
        scanner.keeping = true;
        scanner.record = FoundRecord{};
        scanner.record.header = scanner.line;
        scanner.record.firstLine = scanner.lineNumber;
    }
}

void keepLine(RecordScanner& scanner, const std::string& line, bool overlong) {
    scanner.record.body += line;
    ++scanner.record.lines;
    scanner.record.overlong = scanner.record.overlong || overlong;
}

// The line read whole: an empty one is held until the next line tells whether
// it is inside the record or among the lines that open the next one.
void finishLine(RecordScanner& scanner, bool ended) {
    std::string& line = scanner.line;
    // The file's last line without its line feed: a carriage return there is
    // no line end, so a number before it may have lost its last digits.
    if (!ended && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const std::string end = ended ? "\n" : "";
    if (!scanner.lineOverlong && isBlank(line)) {
        if (scanner.blanks++ == 0 && scanner.keeping) {
            scanner.firstBlank = line + end;
        }
    } else if (scanner.blanks >= 2) {
        closeRecord(scanner, true);
        openRecord(scanner);
        scanner.blanks = 0;
    } else {
        if (scanner.keeping) {
            if (scanner.blanks == 1) {
                keepLine(scanner, scanner.firstBlank, false);
            }
            keepLine(scanner, line + end, scanner.lineOverlong);
        }
        scanner.blanks = 0;
    }
    ++scanner.lineNumber;
    line.clear();
    scanner.lineOverlong = false;
}

}  // namespace

std::string recordHeader(const std::string& name, const std::string& saveDate,
                         std::uint32_t round) {
    return name + " (" + saveDate + ", kierros " + unsignedToText(round) + ")";
}

bool makeRecord(const std::string& header, const GameState& state, std::string& record) {
    if (!fitsRecord(header, state)) {
        return false;
    }
    std::string text = "\n\n" + header + "\n";
    text += unsignedToText(state.round) + "\n" + state.startDate + "\n" + state.startTime + "\n";
    text += unsignedToText(state.maxScore) + "\n";
    text += unsignedToText(static_cast<std::uint32_t>(state.throwers.size())) + "\n";
    for (const ThrowerRecord& thrower : state.throwers) {
        text += shortName(thrower) + "\n" + (isWithdrawn(thrower) ? "1" : "0") + "\n";
        for (const std::uint32_t entry : thrower.points) {
            text += unsignedToText(entry) + " ";
        }
        text += "\n";
    }
    record = text + "\n";
    return true;
}

std::string listedHeader(const std::string& line) {
    return withoutControlBytes(trimmed(line));
}

bool scanBytes(RecordScanner& scanner, const char* bytes, std::size_t count) {
    const char* const end = bytes + count;
    while (bytes < end && !scanner.stopped) {
        const auto* feed = static_cast<const char*>(std::memchr(bytes, '\n', end - bytes));
        const std::size_t length = static_cast<std::size_t>((feed != nullptr ? feed : end) - bytes);
        if (scanner.line.size() + length > LONGEST_LINE) {
            scanner.lineOverlong = true;
            scanner.line.clear();
        } else if (!scanner.lineOverlong) {
            scanner.line.append(bytes, length);
        }
        if (feed == nullptr) {
            break;
        }
        finishLine(scanner, true);
        bytes = feed + 1;
    }
    return !scanner.stopped;
}

void endScan(RecordScanner& scanner) {
    if (!scanner.stopped && (!scanner.line.empty() || scanner.lineOverlong)) {
        finishLine(scanner, false);
    }
    if (!scanner.stopped) {
        closeRecord(scanner, false);
    }
}

bool readRecord(const FoundRecord& record, GameState& state) {
    // A save after a cut-off record ends the cut line with one line feed and
    // opens with two empty lines: a whole record has its own closing line too.
    if (record.overlong || (record.followed && record.trailingBlanks == 2)) {
        return false;
    }
    return readBody(record.body, state);
}

bool readOnlyRecord(const std::string& bytes, std::string& header, GameState& state) {
    std::size_t records = 0;
    FoundRecord only;
    RecordScanner scanner;
    scanner.wanted = [](std::size_t, const std::string&) { return true; };
    scanner.found = [&](const FoundRecord& record) {
        only = record;
        return ++records == 1;
    };
    scanBytes(scanner, bytes.data(), bytes.size());
    endScan(scanner);
    // Exactly what a save writes: two empty lines, the record's lines, its
    // closing empty line, and nothing after it.
    GameState loaded = state;
    if (records != 1 || bytes.compare(0, 2, "\n\n") != 0 || only.firstLine != 2 || only.followed ||
        only.trailingBlanks == 0 || bytes.compare(bytes.size() - 2, 2, "\n\n") != 0 ||
        !readRecord(only, loaded) || only.lines != 6 + 3 * loaded.throwers.size()) {
        return false;
    }
    header = only.header;
    state = std::move(loaded);
    return true;
}
