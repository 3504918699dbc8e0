#include "saves/saved_games.h"

#include <cstdint>

#include "console/files.h"
#include "console/text.h"
#include "format/numbers.h"
#include "saves/record_reader.h"

const char* const SAVED_GAMES_FILE = "vaskipiikkikisa_tallennukset.dat";

namespace {

// The lines of the file; one carriage return before each line feed is dropped,
// so files with either line end read alike.
std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

// The index of the line after the header of the first record from line `from`
// on whose trimmed header equals the trimmed entry; npos when none does. A
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
        if (trimmed(lines[at++]) == wanted) {
            return at;
        }
    }
}

// The record's own lines from `first` on, each with its line feed; false when
// they show that the record was cut off. Inside a record only the last points
// line (of a game saved at round 0) and the closing line can be blank together,
// and a whole record is followed by its closing line and the two opening lines
// of the next: three blank lines. A save after a cut-off record writes one line
// feed to end the cut line and then its two opening lines, so a line followed
// by exactly two blank lines and more text may have lost its end (7 10 for
// 7 1001). The text stops after the first of two blank lines, so a record never
// reads on into the one saved after it. `toEnd` tells whether it reaches the end.
bool recordText(const std::vector<std::string>& lines, std::size_t first, std::string& text,
                bool& toEnd) {
    toEnd = false;
    for (std::size_t i = first; i < lines.size(); ++i) {
        text += lines[i] + '\n';
        if (isBlank(lines[i]) && i + 1 < lines.size() && isBlank(lines[i + 1])) {
            std::size_t end = i;
            while (end < lines.size() && isBlank(lines[end])) {
                ++end;
            }
            return end - i != 2 || end == lines.size();
        }
    }
    toEnd = true;
    return true;
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
    if (!readWholeFile(fileName, bytes)) {
        return false;
    }
    const std::vector<std::string> lines = splitLines(bytes);
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
            savedGames.push_back(trimmed(lines[at++]));
        }
    }
    return !savedGames.empty();
}

bool appendSavedGame(const GameState& state, const std::string& saveDate,
                     const std::string& fileName) {
    return appendToFile(fileName, savedGameRecord(state, saveDate));
}

bool loadSavedGame(const std::string& entry, const std::string& fileName, GameState& state) {
    std::string bytes;
    if (!readWholeFile(fileName, bytes)) {
        return false;
    }
    const std::vector<std::string> lines = splitLines(bytes);
    // The first record with this header that reads whole: a save repeated after
    // one that failed half-way has the same header as the record it left cut off.
    for (std::size_t body = findRecord(lines, entry, 0); body != std::string::npos;
         body = findRecord(lines, entry, body)) {
        std::string text;
        bool toEnd = false;
        if (!recordText(lines, body, text, toEnd)) {
            continue;
        }
        // A last line without its line feed stays without one, as in the file.
        if (toEnd && !bytes.empty() && bytes.back() != '\n' && !text.empty()) {
            text.pop_back();
        }
        if (readSavedGameBody(text, state)) {
            return true;
        }
    }
    return false;
}
