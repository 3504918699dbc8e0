#include "saves/recovery.h"

#include <algorithm>
#include <string>
#include <utility>

#include "console/platform/files.h"
#include "format/text.h"
#include "saves/record_reader.h"
#include "saves/saved_games.h"

const char* const RECOVERY_FILE = "vaskipiikkikisa_keskeytynyt.dat";

namespace {

// Enough names for any directory a person keeps; past them the file stays.
constexpr unsigned MAX_DAMAGED_NAMES = 10000;

// Moves a recovery file that does not read as a record aside under the first
// free damaged name; false when it could not be moved.
bool moveDamagedAside(Console& console) {
    const std::string name = moveToFreeName(RECOVERY_FILE, damagedRecoveryName, MAX_DAMAGED_NAMES);
    if (name.empty()) {
        return false;
    }
    console.out << "VIRHE: Keskener\x84isen pelin tiedosto oli vioittunut; "
                   "se siirrettiin nimelle "
                << name << ".\n";
    return true;
}

}  // namespace

std::string damagedRecoveryName(unsigned attempt) {
    std::string name = "vaskipiikkikisa_keskeytynyt_vioittunut";
    if (attempt > 1) {
        name += "_" + std::to_string(attempt);
    }
    return name + ".dat";
}

bool readRecoveryRecord(const std::string& bytes, std::string& header, GameState& state) {
    const std::size_t end = bytes.find('\n', 2);
    if (bytes.compare(0, 2, "\n\n") != 0 || end == std::string::npos) {
        return false;
    }
    GameState loaded = state;
    const std::string body = bytes.substr(end + 1);
    // A record that reads but was cut in its last points line (7 10 for 7 1001)
    // would bring back false numbers: a whole one has every line of a save,
    // the closing empty line last, and nothing after it (the count of lines
    // comes first, so the body is long enough for the last test).
    const auto lines = static_cast<std::size_t>(std::count(body.begin(), body.end(), '\n'));
    if (isBlank(bytes.substr(2, end - 2)) || !readSavedGameBody(body, loaded) ||
        lines != 6 + 3 * loaded.throwers.size() || body.compare(body.size() - 2, 2, "\n\n") != 0) {
        return false;
    }
    header = bytes.substr(2, end - 2);
    state = std::move(loaded);
    return true;
}

Recovery takeOverRecovery(Console& console, const std::string& savedGamesFile) {
    Recovery recovery;
    removeFile(std::string(RECOVERY_FILE) + ".tmp");
    std::string bytes;
    // Nothing readable at the name (mostly: no file) leaves nothing to take over.
    if (readWholeFile(RECOVERY_FILE, std::string::npos, bytes) != ReadResult::Read) {
        return recovery;
    }
    std::string header;
    GameState game;
    if (!readRecoveryRecord(bytes, header, game)) {
        recovery.kept = !moveDamagedAside(console);
    } else if (!appendToFile(savedGamesFile, 1, [&](const std::string& tail) {
                   return tail.empty() || tail == "\n" ? bytes : "\n" + bytes;
               })) {
        console.out
            << "VIRHE: Keskener\x84ist\x84 peli\x84 ei voitu siirt\x84\x84 tallennuksiin.\n";
        recovery.kept = true;
    } else {
        removeFile(RECOVERY_FILE);
        console.out << "Edellinen peli j\x84i kesken. Sen tilanne tallennettiin, ja sit\x84 voi "
                       "jatkaa valinnalla J:\n  "
                    << withoutControlBytes(trimmed(header)) << "\n\n";
    }
    return recovery;
}

void secureGame(Recovery& recovery, const GameState& state, const Clock& clock) {
    recovery.pending = false;
    // A kept file holds the only copy of an earlier game: this run must not
    // overwrite it, so none of its changes is secured.
    if (recovery.kept) {
        recovery.unsecured = true;
        return;
    }
    std::string record = savedGameRecord(state, dateStamp(clock()));
    if (state.gameName.empty()) {
        record.insert(2, "Keskeytynyt peli");
    }
    recovery.unsecured = !replaceFile(RECOVERY_FILE, record);
}

void gameChanged(Recovery& recovery, Console& console, const GameState& state, const Clock& clock) {
    // Each write is synced to the disk, milliseconds on a busy machine: lines
    // already typed ahead are taken first, and the game is secured before the
    // program waits for the operator again.
    if (recovery.kept || !inputWaiting(console)) {
        secureGame(recovery, state, clock);
    } else {
        recovery.pending = true;
    }
}

void securePending(Recovery& recovery, const GameState& state, const Clock& clock) {
    if (recovery.pending) {
        secureGame(recovery, state, clock);
    }
}

void dropRecovery(Recovery& recovery) {
    recovery.pending = false;
    if (!recovery.kept) {
        removeFile(RECOVERY_FILE);
    }
    recovery.unsecured = false;
}

void warnIfUnsecured(Console& console, const Recovery& recovery) {
    if (recovery.unsecured) {
        console.out << "VAROITUS: Pelitilannetta ei voitu varmistaa. Tallenna peli komennolla T.\n";
    }
}
