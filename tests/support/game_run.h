#pragma once

#include <string>
#include <vector>

/// The outcome of one game played in-process over a scripted console.
struct GameRun {
    std::string output;
    int exitStatus = -1;
    unsigned readsAfterEnd = 0;                ///< reads made after the end of input was reported
    std::vector<std::string> recoveryAtWaits;  ///< the recovery file whenever input ran out
    bool writtenWhileTyping = false;  ///< the recovery file changed while input was waiting
};

/// Plays a whole game in the working directory, the clock at testTime().
/// `script` is typed in bursts, each ended by a '|', as at a keyboard: input is
/// waiting while a burst lasts, and at its end the program has to wait. With
/// a `charset` (POSIX systems) the console speaks it, converted as at a
/// terminal; once the screen has shown `closedAfter`, it fails as a closed one.
GameRun playGame(const std::string& script, const char* charset = "",
                 const std::string& closedAfter = "");

/// The banner, the set-up heading, the round menu and its prompt (console bytes).
extern const std::string BANNER, SETUP_HEADING, ROUND_MENU, MENU_PROMPT;

/// A round's announcement, its prompt line and its rule.
std::string roundHeader(const std::string& number, const std::string& max = "50");

/// The clear sequence, then the standings' title after `round` rounds, the
/// column heading and its rule.
std::string standingsTitle(const std::string& round);

/// Ilta as saved on 6.12.2026 after its second round, started the day before.
std::string iltaRecord(const std::string& header = "Ilta (6.12.2026, kierros 2)");

/// The same record cut off in its last points line, as a failed save leaves it.
std::string cutIlta();

/// A fragment of Dialogue::expected that stands for the end of the output.
inline const std::string ENDS = "<the end>";

/// One game of a dialogue table, played in a scratch directory: `planted` is
/// the saved-games file, and after a form feed the recovery file; `typed` the
/// input. Each of `expected` must follow the one before in the output, a form
/// feed, the saved-games file, a form feed and the results file.
struct Dialogue {
    const char* what;
    std::string planted;
    std::string typed;
    std::vector<std::string> expected;
};

/// Plays every dialogue, also cut after each typed line; checks its fragments,
/// no read after the end of input, and no control byte shown but line feeds
/// and the clear sequence.
void playDialogues(const std::vector<Dialogue>& dialogues);

/// Expects `text` to be, byte for byte, the golden file at `path` in the
/// sources; with VASKI_WRITE_GOLDEN set, writes it there instead, to be looked
/// at before it is committed (the README's Development section says how).
void expectGolden(const std::string& path, const std::string& text);
