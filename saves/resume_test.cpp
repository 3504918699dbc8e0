#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

// Matti's first round as an interrupted game leaves it, its name holding an
// escape as a hand-edited file may.
const std::string INTERRUPTED =
    "\n\nKeskeytynyt\x1b[2J peli (6.12.2026, kierros 1)\n1\n6.12.2026\n19:02:44\n50\n1\n"
    "Matti\n0\n5 \n\n";

// Choosing a saved game at the start, and the game it gives.
TEST(Resume, Dialogues) {
    // clang-format off
    playDialogues({
        {"the only game is resumed unasked, named by the trimmed text before the last \" (\"",
         iltaRecord("  Ilta (A)   (6.12.2026, kierros 2)"), "J\nT\n\nL\n\n",
         {"Valintasi (A/J): \n" + CLEAR + cp850("Tilanne kierroksen 2 jälkeen: \n\n"), "\f",
          "(6.12.2026, kierros 2)\n", "\n\nIlta (A) (6.12.2026, kierros 2)\n2\n5.12.2026\n", "\f",
          "Vaskipiikkikisa: Ilta (A)\nTulokset 5.12.2026 klo 19:05:12 - 6.12.2026 klo 19:02:44\n"}},
        {"of four games a number in the list; a cut-off one's header: the next whole one",
         iltaRecord("Aamu (6.12.2026, kierros 2)") + cutIlta() + "\n" + iltaRecord() +
             iltaRecord(cp850("Yö (6.12.2026, kierros 2)")), "J\n5\n\nx\n2\nL\n\n",
         {cp850("Valintasi (A/J): \nValitse peli: \n  1: Aamu (6.12.2026, kierros 2)\n"
                "  2: Ilta (6.12.2026, kierros 2)\n  3: Ilta (6.12.2026, kierros 2)\n"
                "  4: Yö (6.12.2026, kierros 2)\nValintasi: VIRHE: Valinnan pitää olla välillä 1 - "
                "4.\nValintasi: Valintasi: Valintasi: ") + CLEAR + "Tilanne kierroksen 2",
          "\f", "\f", "Vaskipiikkikisa: Ilta\n"}},
        {"a cut-off record gives the error line and a new game", cutIlta(), "J\nAnna\n\n\n3\n",
         {"Valintasi (A/J): \nVIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n" +
          SETUP_HEADING + cp850("Anna heittäjä 1: Anna heittäjä 2: \n"), "1. Anna: "}},
        {"an interrupted game, shown without control bytes, joins the saved games last",
         cutIlta() + "\f" + INTERRUPTED, "J\n2\nL\n\n",
         {BANNER + cp850("Edellinen peli jäi kesken. Sen tilanne tallennettiin, ja sitä voi jatkaa "
                         "valinnalla J:\n  Keskeytynyt?[2J peli (6.12.2026, kierros 1)\n\nValitse: \n"),
          "  2: Keskeytynyt?[2J peli (6.12.2026, kierros 1)\nValintasi: " + CLEAR, "\f",
          cutIlta() + "\n" + INTERRUPTED + "\f", "\n1         5 "}},
    });
    // clang-format on
}
