#include "saves/dialogs.h"

#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

namespace {

// Ilta as saved on 6.12.2026 after its second round, started the day before.
std::string record(const std::string& header) {
    return "\n\n" + header +
           "\n2\n5.12.2026\n19:05:12\n50\n2\nMatti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";
}

const std::string ILTA = record("Ilta (6.12.2026, kierros 2)");
const std::string CUT_ILTA = ILTA.substr(0, ILTA.find("7 10") + 4);
const std::string NAME = "Anna pelille/tallennukselle nimi: ";
const std::string SAVED = "Pelitilanne tallennettu.\n" + PAUSE;

}  // namespace

TEST(Dialogs, SavingAndResuming) {
    playDialogues({
        {"the start menu takes A or J only as typed, less a carriage return before the line feed",
         ILTA,
         " a\r\na\r\n",
         {BANNER + cp850("Valitse: \n A = Aloita uusi peli\n J = Jatka tallennettua peliä\n") +
          "Valintasi (A/J): Valintasi (A/J): " + SETUP_HEADING}},
        {"the only saved game is resumed unasked, keeps its start and is named by the "
         "trimmed text before the last \" (\"",
         record("  Ilta (A)   (6.12.2026, kierros 2)"),
         "J\nT\n\nL\n\n",
         {std::string("Valintasi (A/J): \n") + CLEAR + cp850("Tilanne kierroksen 2 jälkeen: \n\n"),
          "\f", "(6.12.2026, kierros 2)\n", "\n\nIlta (A) (6.12.2026, kierros 2)\n2\n5.12.2026\n",
          "\f",
          "Vaskipiikkikisa: Ilta (A)\nTulokset 5.12.2026 klo 19:05:12 - 6.12.2026 klo 19:02:44\n"}},
        {"of four saved games only a number in the list is taken; a later whole record of the "
         "same header is loaded after a cut-off one",
         record("Aamu (6.12.2026, kierros 2)") + CUT_ILTA + "\n" + ILTA +
             record(cp850("Yö (6.12.2026, kierros 2)")),
         "J\n5\n\nx\n2\nL\n\n",
         {cp850("Valintasi (A/J): \nValitse peli: \n  1: Aamu (6.12.2026, kierros 2)\n"
                "  2: Ilta (6.12.2026, kierros 2)\n  3: Ilta (6.12.2026, kierros 2)\n"
                "  4: Yö (6.12.2026, kierros 2)\n"
                "Valintasi: VIRHE: Valinnan pitää olla välillä 1 - 4.\n"
                "Valintasi: Valintasi: Valintasi: ") +
              CLEAR + cp850("Tilanne kierroksen 2 jälkeen"),
          "\f", "\f", "Vaskipiikkikisa: Ilta\n"}},
        {"a cut-off record gives the error line and a new game",
         CUT_ILTA,
         "J\nAnna\n\n\n3\n",
         {"Valintasi (A/J): \nVIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n" +
              SETUP_HEADING + cp850("Anna heittäjä 1: Anna heittäjä 2: \n"),
          "1. Anna: "}},
        {"the name is asked until not blank, then kept as typed for every save; T meeting "
         "the end of input in its pause ends the program",
         "",
         "Matti\n\n\n5\nT\n\n   \n  Peli (A)  \n\nT\n",
         {NAME + NAME + NAME + SAVED + CLEAR, MENU_PROMPT + SAVED + "\n", ENDS, "\f",
          "\n\n  Peli (A)   (6.12.2026, kierros 1)\n1\n6.12.2026\n19:02:44\n50\n1\nMatti\n0\n5 \n\n"
          "\n\n  Peli (A)   (6.12.2026, kierros 1)\n"}},
    });
}

TEST(Dialogs, ControlBytesInNamesAreShownAsQuestionMarks) {
    using namespace std::string_literals;
    playDialogues({
        {"typed names trimmed, then each control byte made ?, before any comparison",
         "",
         "\t Mat\x1bti\x7f \nmat\x07ti\0\n\0Liisa\n\n\n5\n7\n"
         "U\nMAT\tTI\x1b\n\nU\n Ee\x1b]0;X\x07ro \nT\n\t Il\0ta\x7f\n\nL\n\n"s,
         {cp850("Anna heittäjä 2: VIRHE: Kyseinen pelaaja on jo olemassa.\nAnna heittäjä 2: "),
          cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n"), "\f",
          "\n\n? Il?ta? (6.12.2026, kierros 1)\n1\n6.12.2026\n19:02:44\n50\n3\nMat?ti?\n0\n5 \n"
          "?Liisa\n0\n7 \nEe?]0;X?ro\n0\n1001 \n\n"}},
        {"a planted header and name holding ESC and BEL: listed, chosen, resumed, saved again",
         ILTA + "\n\n\x1b]0;X\x07Ilta (6.12.2026, kierros 2)\n2\n5.12.2026\n19:05:12\n50\n1\n"
                "\x1b[2JMat\x07ti\x7f\n0\n5 1001 \n\n",
         "J\n2\nT\n\nL\n\n",
         {"  2: ?]0;X?Ilta (6.12.2026, kierros 2)\nValintasi: "s + CLEAR + "Tilanne kierroksen 2",
          "\f",
          "\n\n?]0;X?Ilta (6.12.2026, kierros 2)\n2\n5.12.2026\n19:05:12\n50\n1\n"
          "?[2JMat?ti?\n0\n5 1001 \n\n"}},
    });
}
