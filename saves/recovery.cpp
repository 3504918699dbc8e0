#include "saves/recovery.h"

#include "saves/record.h"
#include "saves/saved_games.h"

const char* const RECOVERY_FILE = "vaskipiikkikisa_keskeytynyt.dat";
const char* const RECOVERY_LOCK = "vaskipiikkikisa_keskeytynyt.lock";

namespace {

// Enough names for any directory a person keeps; past them the file stays.
constexpr unsigned MAX_DAMAGED_NAMES = 10000;

// Larger than the record of any game played: a larger file is not read, and
// so never changed.
constexpr std::size_t LARGEST_RECOVERY_FILE = 256u * 1024 * 1024;

// The name a game without one is secured under.
const char* const UNNAMED_GAME = "Keskeytynyt peli";

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

// Moves the interrupted game into the saved games; false when the file must
// be kept for a later run.
bool takeOver(Console& console, const std::string& savedGamesFile) {
    std::string bytes;
    switch (readWholeFile(RECOVERY_FILE, LARGEST_RECOVERY_FILE, bytes)) {
        case ReadResult::Missing:
            return true;
        case ReadResult::Unreadable:
            console.out << "VIRHE: Keskener\x84isen pelin tiedostoa ei voitu lukea, joten sit\x84 "
                           "ei muuteta.\n";
            return false;
        case ReadResult::Read:
            break;
    }
    std::string header;
    GameState game;
    if (!readOnlyRecord(bytes, header, game)) {
        return moveDamagedAside(console);
    }
    if (!appendRecordOnce(bytes, savedGamesFile)) {
        console.out
            << "VIRHE: Keskener\x84ist\x84 peli\x84 ei voitu siirt\x84\x84 tallennuksiin.\n";
        return false;
    }
    removeFile(RECOVERY_FILE);
    console.out << "Edellinen peli j\x84i kesken. Sen tilanne tallennettiin, ja sit\x84 voi "
                   "jatkaa valinnalla J:\n  "
                << listedHeader(header) << "\n\n";
    return true;
}

void secureGame(Recovery& recovery, const GameState& state, const Clock& clock) {
    recovery.pending = false;
    // A file this run does not own may hold the only copy of another game.
    if (!recovery.owned) {
        recovery.unsecured = true;
        return;
    }
    const std::string name = state.gameName.empty() ? UNNAMED_GAME : state.gameName;
    std::string record;
    recovery.unsecured =
        !makeRecord(recordHeader(name, dateStamp(clock()), state.round), state, record) ||
        !replaceFile(RECOVERY_FILE, record);
}

}  // namespace

std::string damagedRecoveryName(unsigned attempt) {
    std::string name = "vaskipiikkikisa_keskeytynyt_vioittunut";
    if (attempt > 1) {
        name += "_" + std::to_string(attempt);
    }
    return name + ".dat";
}

void startRecovery(Recovery& recovery, Console& console, const std::string& savedGamesFile) {
    // Without a lock to be had (a read-only folder) no copy can have it: the
    // run goes on as the owner, as one alone in the folder would.
    if (takeLock(recovery.lock, RECOVERY_LOCK) == Lock::HeldElsewhere) {
        console.out << "VAROITUS: Toinen Vaskipiikkikisa on k\x84ynniss\x84 t\x84ss\x84 kansiossa, "
                       "joten t\x84m\x84n pelin tilannetta ei varmisteta. Tallenna peli komennolla "
                       "T.\n";
        return;
    }
    removeFile(replacementName(RECOVERY_FILE));
    recovery.owned = takeOver(console, savedGamesFile);
}

void gameChanged(Recovery& recovery, Console& console, const GameState& state, const Clock& clock) {
    // Each write is synced to the disk, milliseconds on a busy machine: lines
    // already typed ahead are taken first, and the game is secured before the
    // program waits for the operator again.
    if (!recovery.owned || !inputWaiting(console)) {
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
    if (recovery.owned) {
        removeFile(RECOVERY_FILE);
    }
    recovery.unsecured = false;
}

void warnIfUnsecured(Console& console, const Recovery& recovery) {
    if (recovery.unsecured) {
        console.out << "VAROITUS: Pelitilannetta ei voitu varmistaa. Tallenna peli komennolla T.\n";
    }
}
