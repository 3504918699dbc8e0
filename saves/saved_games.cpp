#include "saves/saved_games.h"

#include <cstdint>

#include "console/platform/files.h"
#include "format/text.h"
#include "format/numbers.h"
#include "saves/record_reader.h"

const char* const SAVED_GAMES_FILE = "vaskipiikkikisa_tallennukset.dat";

namespace {

// The lines of the file, and where each begins in it.
struct Lines {
    std::vector<std::string> text;
    std::vector<std::size_t> begin;
};

Lines splitLines(const std::string& bytes) {
    Lines lines;
    std::string line;
    for (std::size_t at = 0, begin = 0; takeLine(bytes, at, line); begin = at) {
        lines.text.push_back(line);
        lines.begin.push_back(begin);
    }
    return lines;
}

// A header line as the list shows it and a chosen entry is compared with it:
// trimmed, its control bytes made '?'.
std::string asListed(const std::string& header) {
    return withoutControlBytes(trimmed(header));
}

// The index of the line after the header of the first record from line `from`
// on whose header, as listed, equals the trimmed entry; npos when none does. A
// header is the first non-blank line after one or more blank lines.
std::size_t findRecord(const std::vector<std::string>& lines, const std::string& entry,
                       std::size_t from) {
    const std::string wanted = trimmed(entry);
    std::size_t at = from;
    for (;;) {
        while (at < lines.size() && !isBlank(lines[at])) {
            ++at;
        }
        while (at < lines.size() && isBlank(lines[at])) {
            ++at;
        }
        if (at >= lines.size()) {
            return std::string::npos;
        }
        if (asListed(lines[at++]) == wanted) {
            return at;
        }
    }
}

// Where the record's own bytes, from line `first` on, end in the file; npos
// when they show that the record was cut off. Inside a record only the last
// points line (of a game saved at round 0) and the closing line can be blank
// together, and a whole record is followed by its closing line and the two
// opening lines of the next: three blank lines. A save after a cut-off record
// writes one line feed to end the cut line and then its two opening lines, so
// a line followed by exactly two blank lines and more text may have lost its
// end (7 10 for 7 1001). The record stops after the first of two blank lines,
// so it never reads on into the one saved after it.
std::size_t recordEnd(const Lines& lines, std::size_t first, std::size_t fileSize) {
    const std::vector<std::string>& text = lines.text;
    for (std::size_t i = first; i + 1 < text.size(); ++i) {
        if (isBlank(text[i]) && isBlank(text[i + 1])) {
            std::size_t end = i;
            while (end < text.size() && isBlank(text[end])) {
                ++end;
            }
            return end - i != 2 || end == text.size() ? lines.begin[i + 1] : std::string::npos;
        }
    }
    return fileSize;
}

}  // namespace

std::string savedGameHeader(const GameState& state, const std::string& saveDate) {
    return state.gameName + " (" + saveDate + ", kierros " + unsignedToText(state.round) + ")";
}

std::string savedGameRecord(const GameState& state, const std::string& saveDate) {
    std::string text = "\n\n" + savedGameHeader(state, saveDate) + "\n";
    text += unsignedToText(state.round) + "\n" + state.startDate + "\n" + state.startTime + "\n";
    text += unsignedToText(state.maxScore) + "\n";
    text += unsignedToText(static_cast<std::uint32_t>(state.throwers.size())) + "\n";
    for (const ThrowerRecord& thrower : state.throwers) {
        text += shortName(thrower) + "\n" + (isWithdrawn(thrower) ? "1" : "0") + "\n";
        for (std::uint32_t entry : thrower.points) {
            text += unsignedToText(entry) + " ";
        }
        text += "\n";
    }
    return text + "\n";
}

bool listSavedGames(const std::string& fileName, std::vector<std::string>& savedGames) {
    std::string bytes;
    if (readWholeFile(fileName, std::string::npos, bytes) != ReadResult::Read) {
        return false;
    }
    const std::vector<std::string> lines = splitLines(bytes).text;
    savedGames.clear();
    std::size_t at = 0;
    while (at < lines.size()) {
        if (!isBlank(lines[at++])) {
            continue;
        }
        // One blank line before a non-blank one is inside a record; two or more
        // open the next record, whose first non-blank line is its header.
        if (at < lines.size() && !isBlank(lines[at])) {
            ++at;
            continue;
        }
        while (at < lines.size() && isBlank(lines[at])) {
            ++at;
        }
        if (at < lines.size()) {
            savedGames.push_back(asListed(lines[at++]));
        }
    }
    return !savedGames.empty();
}

bool appendSavedGame(const GameState& state, const std::string& saveDate,
                     const std::string& fileName) {
    // A record cut off by an earlier failure would swallow the new record's
    // first empty line; a line feed keeps the new record findable.
    const std::string record = savedGameRecord(state, saveDate);
    return appendToFile(fileName, 1, [&](const std::string& tail) {
        return tail.empty() || tail == "\n" ? record : "\n" + record;
    });
}

bool loadSavedGame(const std::string& entry, const std::string& fileName, GameState& state) {
    std::string bytes;
    if (readWholeFile(fileName, std::string::npos, bytes) != ReadResult::Read) {
        return false;
    }
    const Lines lines = splitLines(bytes);
    // The first record with this header that reads whole: a save repeated after
    // one that failed half-way has the same header as the record it left cut off.
    for (std::size_t body = findRecord(lines.text, entry, 0); body != std::string::npos;
         body = findRecord(lines.text, entry, body)) {
        const std::size_t end = recordEnd(lines, body, bytes.size());
        if (end == std::string::npos) {
            continue;
        }
        const std::size_t begin = body < lines.begin.size() ? lines.begin[body] : bytes.size();
        std::string text = bytes.substr(begin, end - begin);
        // A last line without its line feed reads as one without a line end at
        // all, so its last number may have been cut short.
        if (end == bytes.size() && !text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (readSavedGameBody(text, state)) {
            return true;
        }
    }
    return false;
}
