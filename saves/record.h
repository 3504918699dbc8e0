#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "app/game_state.h"

// A saved record: the one form in which a game is kept on disk, appended to
// the saved-games file at every save and alone in the recovery file. It is two
// empty lines; the header line "NAME (D.M.YYYY, kierros R)"; the round count
// R; the start date; the start time; the maximum score; the thrower count P;
// three lines per thrower (short name, withdrawn flag 1 or 0, the R points
// each followed by a blank); and an empty line. A record opens with two or more
// empty lines, so its header is the first non-blank line after them.

/// More rounds than any game played by hand reaches (a round every minute for
/// two years). A record without throwers needs no data behind its round
/// count, and every display walks every round, so a larger count would only
/// stop the program: no record holds more, written or read.
constexpr std::uint32_t MOST_SAVED_ROUNDS = 1000000;

/// Longer than any line of a record: a record holding a longer line is not
/// read, so a hostile file cannot fill the memory.
constexpr std::size_t LONGEST_LINE = 16 * 1024 * 1024;

/// The header line: "NAME (D.M.YYYY, kierros R)".
std::string recordHeader(const std::string& name, const std::string& saveDate, std::uint32_t round);

/// The record of `state` under `header`. False, with nothing made, when the
/// game holds what no record may (so what is written is always read back):
/// more than MOST_SAVED_ROUNDS rounds, a blank header or start stamp, a thrower
/// whose short name is blank, or points no game gives.
bool makeRecord(const std::string& header, const GameState& state, std::string& record);

/// A header line as the list of saved games shows it and a chosen entry is
/// compared with it: trimmed, its control bytes made '?'.
std::string listedHeader(const std::string& line);

/// A record as the scanner finds it in a file.
struct FoundRecord {
    std::string header;  ///< its header line as it stands, without its line feed
    /// Its lines after the header, each with its line feed (a last line
    /// without one in the file has none here), up to and including the first
    /// empty line after them: the closing line, or the empty points line of a
    /// game saved at round 0.
    std::string body;
    std::size_t firstLine = 0;       ///< the header's line in the file, from 0
    std::size_t lines = 0;           ///< its lines after the header, empty ones at its end too
    std::size_t trailingBlanks = 0;  ///< the empty lines at its end
    bool followed = false;           ///< another record follows it
    bool overlong = false;           ///< a line longer than LONGEST_LINE
};

/// Splits a file, given a block of bytes at a time, into records. Lines end
/// at a line feed; they are kept as they stand, for the reader drops one
/// carriage return before the line feed.
struct RecordScanner {
    /// Asked at each header: keep the record's lines and hand it to `found`?
    std::function<bool(std::size_t index, const std::string& header)> wanted;
    /// Given each wanted record once its end is seen; false ends the scan.
    std::function<bool(const FoundRecord& record)> found;

    // The scan so far.
    std::string line;
    bool lineOverlong = false;
    std::size_t lineNumber = 0;
    std::size_t listed = 0;
    std::size_t blanks = 0;  ///< empty lines since the last non-blank one
    std::string firstBlank;  ///< the first of them, with its line feed
    bool keeping = false;    ///< the lines of the record being read are kept
    bool stopped = false;
    FoundRecord record;
};

/// Scans the next bytes of the file; false once the scan has ended.
bool scanBytes(RecordScanner& scanner, const char* bytes, std::size_t count);

/// Scans the file's end: its last line and its last record.
void endScan(RecordScanner& scanner);

/// Reads a found record into `state`: its round count, start date and time,
/// maximum score and throwers (the stamps' and names' control bytes made '?').
/// False, with `state` untouched, when the record was cut off (by the file's
/// end, or by a save made after it: a line followed by exactly two empty lines
/// and another record may have lost its end) or holds what no record may.
bool readRecord(const FoundRecord& record, GameState& state);

/// True when `bytes` are exactly one whole record as a save writes it, and
/// nothing else; then `header` holds its header line and `state` its game
/// (gameName untouched).
bool readOnlyRecord(const std::string& bytes, std::string& header, GameState& state);
