#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

namespace {

std::string roundHeader(const std::string& number, const std::string& max = "50") {
    return "Kierros " + number + " alkaa. \n" +
           cp850("Anna heittäjien pistemäärät. (0-" + max + ", J = Jätä väliin, V = Vetäydy)\n") +
           std::string(70, '-') + "\n";
}

std::string standingsTitle(const std::string& round) {
    return CLEAR + cp850("Tilanne kierroksen " + round + " jälkeen: \n\n") +
           cp850("Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \n") +
           std::string(76, '-') + "\n";
}

// Ilta as saved on 6.12.2026 after its second round, started the day before.
std::string record(const std::string& header) {
    return "\n\n" + header +
           "\n2\n5.12.2026\n19:05:12\n50\n2\nMatti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";
}

const std::string ILTA = record("Ilta (6.12.2026, kierros 2)");
const std::string CUT_ILTA = ILTA.substr(0, ILTA.find("7 10") + 4);
const std::string NAME = "Anna pelille/tallennukselle nimi: ";
const std::string SAVED = "Pelitilanne tallennettu.\n" + PAUSE;
// The record an interrupted game leaves after Matti's first round, its name
// holding an escape as a hand-edited file may.
const std::string MATTI_1 = "\n\nKeskeytynyt\x1b[2J peli (6.12.2026, kierros 1)\n1\n6.12.2026\n"
                            "19:02:44\n50\n1\nMatti\n0\n5 \n\n";

}  // namespace

TEST(Driver, FirstRoundOfANewGameByteForByte) {
    ScratchDir dir;
    const GameRun run = playGame("Matti\nLiisa\n\n\n3\n7\n");
    EXPECT_EQ(run.output,
              BANNER + SETUP_HEADING +
                  cp850("Anna heittäjä 1: Anna heittäjä 2: Anna heittäjä 3: ") +
                  "\nAnna maksimitulos (oletus = 50): " + CLEAR + roundHeader("1") +
                  "1. Matti: 2. Liisa: " + standingsTitle("1") +
                  "Matti          3       3        3.00       3         3         0.00 \n"
                  "Liisa          7       7        7.00       7         7         0.00 \n"
                  "\nTilastoja: \n" +
                  std::string(56, '-') + "\n" +
                  cp850("Paras heittäjä:            Liisa keskiarvolla 7.00   \n"
                        "Paras tulos:               7\n"
                        "Parhaan tuloksen heittäjä: Liisa\n"
                        "Tasaisin heittäjä:         Matti & Liisa\n") +
                  "Paras kierros:             1 yhteistuloksella 10\n"
                  "Huonoin kierros:           1 yhteistuloksella 10\n" +
                  ROUND_MENU + MENU_PROMPT + "\n");
    EXPECT_EQ(filesStartingWith("vaskipiikkikisa"), "vaskipiikkikisa_keskeytynyt.dat\n");
}

TEST(Driver, Dialogues) {
    using namespace std::string_literals;
    const std::string taken = cp850("VIRHE: Kyseinen pelaaja on jo olemassa.\nAnna heittäjä ");
    const std::string maximum =
        cp850("Anna maksimitulos (oletus = 50): VIRHE: Valinnan pitää olla välillä 1 - 1000.\n");
    const std::string score =
        "1. Matti: " + cp850("VIRHE: Tuloksen pitää olla välillä 0 - 1000 (tai J tai V).\n");
    const std::string U = MENU_PROMPT + "Anna uuden pelaajan nimi: ", round3 = standingsTitle("3");
    const std::string refused =
        U + cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n") + PAUSE;
    // clang-format off
    const std::vector<Dialogue> dialogues = {
        {"set-up: names trimmed, short names taken ignoring the case of a to z; a maximum from 1,"
         " read past blanks up to a non-digit, never wrapped, asked again silently if none", "",
         cp850("  Matti  \nMATTI\nÄijä\näijä\nPunainen Joukkue\npunainen joukku\nPUNAINEN JOUKKUE 2\n"
               "Punainen Jouk\n\n0\n1001\nabc\n4294967297\n\v\f 1x\n1\n0\n1\n1\n0\n"),
         {"2: " + taken + "2: ", "5: " + taken + "5: " + taken + "5: ",
          "6: \n" + maximum + maximum + "Anna maksimitulos (oletus = 50): " + maximum,
          roundHeader("1", "1") +
              cp850("1. Matti: 2. Äijä: 3. äijä: 4. Punainen Joukku: 5. Punainen Jouk: ") + CLEAR,
          ROUND_MENU + MENU_PROMPT + "\n", ENDS}},
        {"round menu: S, s, blank and empty start the next round, other answers ask again; "
         "a round without points is no best round", "",
         "Matti\n\n\n0\nx\nSS\nhh\nsuu\n  s  \n6\n   \n7\n\n8\nS\n",
         {cp850("Tasaisin heittäjä:         Matti\nParas kierros:             Ei parasta ") +
              "kierrosta. yhteistuloksella 0\nHuonoin kierros:           1 yhteistuloksella 0\n",
          MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + MENU_PROMPT + "\n\nKierros 2 ",
          MENU_PROMPT + "\n\n" + roundHeader("5") + "1. Matti: \n", ENDS}},
        {"H down to round 0 keeps the withdrawal and shows no round statistics, and at round 0 "
         "asks again", "",
         "Matti\nLiisa\n\n\n5\n6\n\n7\nv\nh\nH\nh\n\n9\n",
         {standingsTitle("1"), standingsTitle("0"),
          cp850("Tasaisin heittäjä:         Matti & Liisa\n") + ROUND_MENU,
          MENU_PROMPT + MENU_PROMPT + "\n\n" +
          roundHeader("1") + "1. Matti: " + standingsTitle("1") + "Matti          9       9 "}},
        {"a withdrawal and a skip under the maximum 1000, j or J only as typed, -0 as 0 and no "
         "wrapping round; Pekka keeps his number 3", "",
         "Matti\nLiisa\nPekka\n\n1000\n1001\n\n J\n4294968296\n1000\nv\nj\n\n1\n-0\n",
         {roundHeader("1", "1000") + score + score + score + score + "1. Matti: 2. Liisa: 3. Pekka: ",
          roundHeader("2", "1000") + "1. Matti: 3. Pekka: ", "Matti          1000    1 ",
          "Liisa          0       0 ", "Pekka          0       0 "}},
        {"N prints the history and the menu below the screen; U shows the standings again "
         "(also when the input ends at the name); L ends after the pause, and the results of a "
         "game ended on its day name the day once", "",
         "Anna\nEero\nJo\n\n\n45\n30\nJ\n\n20\n45\n45\nn\nu\nLiisa\nl\nkey\n",
         {MENU_PROMPT + "\n" + std::string(65, '-') + "\n\nEdellisten kierrosten tulokset: \n" +
              cp850("Kierros   Anna  Eero  Jo     Yhteensä\n") + std::string(38, '-') +
              "\n1         45    30    -      75\n2         20    45    45     110\n\n"
              "Edellisten kierrosten voittajat: \n  Kierros 1: Anna tuloksella 45\n"
              "  Kierros 2: Eero & Jo tuloksella 45\n\n" +
              ROUND_MENU + MENU_PROMPT + "Anna uuden pelaajan nimi: " + standingsTitle("2"),
          MENU_PROMPT + "Tulokset tallennettu tiedostoon:\n" +
              "vaskipiikkikisa_tulokset_20261206_19.02.44.txt\n" + PAUSE,
          ENDS, "\f\fVaskipiikkikisa\nTulokset 6.12.2026 klo 19:02:44 - 19:02:44\n\nKierros"}},
        {"U: a name taken by its first 15 bytes, by a short name ending in a blank, and a blank "
         "one refused; a withdrawn thrower recalled; the last refusal's pause meets the end", "",
         "Pekka\nPunaiset Ketut Oy\n\n\n5\n4\n\nv\n4\n\n4\nu\n  Liisa  \nu\n \t \nkey\nu\n"
         "punaiset ketut\nkey\nu\nPunaiset Ketut Ry\nkey\nu\nPEKKA \nkey\n\n1\n2\n3\nu\nliisa",
         {U + round3, U + cp850("Pelaajaa ei lisätty.\n") + PAUSE + round3, refused + round3,
          refused + round3, U + cp850("Kyseinen pelaaja oli vetäytynyt pelistä. Hänet kutsuttiin "
          "takaisin peliin.\n") + PAUSE + round3, "1. Pekka: 2. Punaiset Ketut : 3. Liisa: ",
          refused + "\n", ENDS}},
        {"the start menu takes A or J only as typed, less a carriage return before the line feed",
         ILTA, " a\r\na\r\n",
         {BANNER + cp850("Valitse: \n A = Aloita uusi peli\n J = Jatka tallennettua peliä\n") +
          "Valintasi (A/J): Valintasi (A/J): " + SETUP_HEADING}},
        {"the only saved game is resumed unasked, keeps its start and is named by the trimmed "
         "text before the last \" (\"",
         record("  Ilta (A)   (6.12.2026, kierros 2)"), "J\nT\n\nL\n\n",
         {"Valintasi (A/J): \n" + CLEAR + cp850("Tilanne kierroksen 2 jälkeen: \n\n"), "\f",
          "(6.12.2026, kierros 2)\n", "\n\nIlta (A) (6.12.2026, kierros 2)\n2\n5.12.2026\n", "\f",
          "Vaskipiikkikisa: Ilta (A)\nTulokset 5.12.2026 klo 19:05:12 - 6.12.2026 klo 19:02:44\n"}},
        {"of four saved games only a number in the list is taken; a later whole record of the "
         "same header is loaded after a cut-off one",
         record("Aamu (6.12.2026, kierros 2)") + CUT_ILTA + "\n" + ILTA +
             record(cp850("Yö (6.12.2026, kierros 2)")), "J\n5\n\nx\n2\nL\n\n",
         {cp850("Valintasi (A/J): \nValitse peli: \n  1: Aamu (6.12.2026, kierros 2)\n"
                "  2: Ilta (6.12.2026, kierros 2)\n  3: Ilta (6.12.2026, kierros 2)\n"
                "  4: Yö (6.12.2026, kierros 2)\nValintasi: VIRHE: Valinnan pitää olla välillä 1 - "
                "4.\nValintasi: Valintasi: Valintasi: ") + CLEAR + "Tilanne kierroksen 2",
          "\f", "\f", "Vaskipiikkikisa: Ilta\n"}},
        {"a game past the rounds a record may hold is neither secured nor saved, and says so",
         "\n\nPitkä (6.12.2026, kierros 1000000)\n1000000\n5.12.2026\n19:05:12\n50\n0\n\n",
         "J\n\n|T\n\n", {"Kierros 1000001 alkaa. ", "Tilanne kierroksen 1000001",
          "VAROITUS: Pelitilannetta ei voitu varmistaa. Tallenna peli komennolla T.\n" + ROUND_MENU +
              MENU_PROMPT + "Tallentaminen ei onnistunut. \n" + PAUSE}},
        {"a cut-off record gives the error line and a new game", CUT_ILTA, "J\nAnna\n\n\n3\n",
         {"Valintasi (A/J): \nVIRHE: Lataus ei onnistunut. Aloitetaan uusi peli.\n\n" +
          SETUP_HEADING + cp850("Anna heittäjä 1: Anna heittäjä 2: \n"), "1. Anna: "}},
        {"the name is asked until not blank, then kept as typed for every save; T meeting "
         "the end of input in its pause ends the program", "",
         "Matti\n\n\n5\nT\n\n   \n  Peli (A)  \n\nT\n",
         {NAME + NAME + NAME + SAVED + CLEAR, MENU_PROMPT + SAVED + "\n", ENDS, "\f",
          "\n\n  Peli (A)   (6.12.2026, kierros 1)\n1\n6.12.2026\n19:02:44\n50\n1\nMatti\n0\n5 \n\n"
          "\n\n  Peli (A)   (6.12.2026, kierros 1)\n"}},
        {"typed names trimmed, then each control byte made ?, before any comparison", "",
         "\t Mat\x1bti\x7f \nmat\x07ti\0\n\0Liisa\n\n\n5\n7\n"
         "U\nMAT\tTI\x1b\n\nU\n Ee\x1b]0;X\x07ro \nT\n\t Il\0ta\x7f\n\nL\n\n"s,
         {cp850("Anna heittäjä 2: VIRHE: Kyseinen pelaaja on jo olemassa.\nAnna heittäjä 2: "),
          cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n"), "\f",
          "\n\n? Il?ta? (6.12.2026, kierros 1)\n1\n6.12.2026\n19:02:44\n50\n3\nMat?ti?\n0\n5 \n"
          "?Liisa\n0\n7 \nEe?]0;X?ro\n0\n1001 \n\n"}},
        {"a planted header and name holding ESC and BEL: listed, chosen, resumed, saved again",
         ILTA + "\n\n\x1b]0;X\x07Ilta (6.12.2026, kierros 2)\n2\n5.12.2026\n19:05:12\n50\n1\n"
                "\x1b[2JMat\x07ti\x7f\n0\n5 1001 \n\n", "J\n2\nT\n\nL\n\n",
         {"  2: ?]0;X?Ilta (6.12.2026, kierros 2)\nValintasi: " + CLEAR + "Tilanne kierroksen 2",
          "\f", "\n\n?]0;X?Ilta (6.12.2026, kierros 2)\n2\n5.12.2026\n19:05:12\n50\n1\n"
          "?[2JMat?ti?\n0\n5 1001 \n\n"}},
        {"an interrupted game is shown at the start without its control bytes, joins the saved "
         "games after the line feed a cut-off record lacks, and is offered last",
         CUT_ILTA + "\f" + MATTI_1, "J\n2\nL\n\n",
         {BANNER + cp850("Edellinen peli jäi kesken. Sen tilanne tallennettiin, ja sitä voi jatkaa "
                         "valinnalla J:\n  Keskeytynyt?[2J peli (6.12.2026, kierros 1)\n\nValitse: \n"),
          "  2: Keskeytynyt?[2J peli (6.12.2026, kierros 1)\nValintasi: " + CLEAR, "\f",
          CUT_ILTA + "\n" + MATTI_1 + "\f", "\n1         5 "}},
    };
    // clang-format on
    playDialogues(dialogues);
}
