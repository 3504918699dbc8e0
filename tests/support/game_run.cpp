#include "support/game_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/driver.h"
#include "saves/recovery.h"
#include "saves/saved_games.h"
#include "support/test_support.h"

namespace {

// Hands the script out a burst at a time, noting the recovery file before each.
struct Keyboard : std::streambuf {
    int_type underflow() override {
        if (next > script.size()) {
            return traits_type::eof();
        }
        waits.push_back(fileContents(RECOVERY_FILE));
        const std::size_t end = std::min(script.find('|', next), script.size());
        burst = script.substr(next, end - next);
        next = end + 1;
        setg(burst.data(), burst.data(), burst.data() + burst.size());
        return burst.empty() ? underflow() : traits_type::to_int_type(burst[0]);
    }
    std::string script, burst;
    std::size_t next = 0;
    std::vector<std::string> waits;
};

}  // namespace

const std::string BANNER = std::string(51, '-') + "\n" + "    Vaskipiikkikisa by Vilkaro v. 1.1\n" +
                           cp850("        - näyttää ja arkistoi tuloksesi\n") +
                           "        - laskee tilastotietoja\n" + std::string(51, '-') + "\n\n";

const std::string SETUP_HEADING = cp850("\nAnna heittäjät, ja paina lopuksi enteriä.\n");

const std::string ROUND_MENU = cp850(
    "\nValitse: \n"
    " S = Seuraava kierros (tai pelkkä enter)\n"
    " N = Näytä edellisten kierrosten tulokset\n"
    " H = Hylkää viimeisimmän kierroksen tulokset\n"
    " U = Uusi pelaaja\n"
    " T = Tallenna pelitilanne\n"
    " L = Lopeta (tallentaa tulokset tiedostoon)\n");

const std::string MENU_PROMPT = "Valintasi (S/N/H/U/T/L): ";

GameRun playGame(const std::string& script) {
    Keyboard keyboard;
    keyboard.script = script;
    std::istream in(&keyboard);
    std::ostringstream out;
    Console console{in, out};
    GameRun run;
    GameState state;
    run.exitStatus = runGame(
        console, [] { return testTime(); }, state);
    run.output = out.str();
    run.readsAfterEnd = console.endReports > 1 ? console.endReports - 1 : 0;
    run.recoveryAtWaits = keyboard.waits;
    return run;
}

void playDialogues(const std::vector<Dialogue>& dialogues) {
    for (const Dialogue& d : dialogues) {
        SCOPED_TRACE(d.what);
        ScratchDir dir;
        const std::size_t split = std::min(d.planted.find('\f'), d.planted.size());
        if (split > 0)
            writeFile(SAVED_GAMES_FILE, d.planted.substr(0, split));
        if (split < d.planted.size())
            writeFile(RECOVERY_FILE, d.planted.substr(split + 1));
        const GameRun run = playGame(d.typed);
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.readsAfterEnd, 0u);
        // Whatever was typed or planted, the terminal gets no control byte but
        // line feeds and the three escapes of each clear sequence.
        EXPECT_TRUE(onlyLineFeedsAndClears(run.output));
        std::string results = filesStartingWith("vaskipiikkikisa_tulokset_");
        results = results.empty() ? "" : fileContents(results.substr(0, results.size() - 1));
        const std::string seen =
            run.output + "\f" + fileContents(SAVED_GAMES_FILE) + "\f" + results;
        std::size_t at = 0;
        for (const std::string& fragment : d.expected) {
            const bool ends = fragment == ENDS;
            ASSERT_TRUE(ends ? at == run.output.size()
                             : (at = seen.find(fragment, at)) != seen.npos)
                << fragment << "\n"
                << seen;
            at += ends ? 0 : fragment.size();
        }
    }
}
