#include <gtest/gtest.h>

#include "support/game_run.h"
#include "support/test_support.h"

// The commands of the round menu, each with what it shows, changes and writes.
TEST(Commands, Dialogues) {
    const std::string U = MENU_PROMPT + "Anna uuden pelaajan nimi: ", round3 = standingsTitle("3");
    const std::string NAME = "Anna pelille/tallennukselle nimi: ";
    const std::string SAVED = "Pelitilanne tallennettu.\n" + PAUSE;
    const std::string refused =
        U + cp850("Kyseinen pelaaja on jo olemassa. Pelaajaa ei lisätty.\n") + PAUSE;
    // clang-format off
    playDialogues({
        {"H down to round 0 keeps the withdrawal, drops the round lines, then asks again", "",
         "Matti\nLiisa\n\n\n5\n6\n\n7\nv\nh\nH\nh\n\n9\n",
         {standingsTitle("1"), standingsTitle("0"),
          cp850("Tasaisin heittäjä:         Matti & Liisa\n") + ROUND_MENU,
          MENU_PROMPT + MENU_PROMPT + "\n\n" +
          roundHeader("1") + "1. Matti: " + standingsTitle("1") + "Matti          9       9 "}},
        {"N below the screen; U shows the standings again, also when the input ends there; "
         "L ends after the pause, the results of a game ended on its day naming the day once", "",
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
        {"U refuses a name taken by 15 bytes or a trimmed short name, a blank one; recalls", "",
         "Pekka\nPunaiset Ketut Oy\n\n\n5\n4\n\nv\n4\n\n4\nu\n  Liisa  \nu\n \t \nkey\nu\n"
         "punaiset ketut\nkey\nu\nPunaiset Ketut Ry\nkey\nu\nPEKKA \nkey\n\n1\n2\n3\nu\nliisa",
         {U + round3, U + cp850("Pelaajaa ei lisätty.\n") + PAUSE + round3, refused + round3,
          refused + round3, U + cp850("Kyseinen pelaaja oli vetäytynyt pelistä. Hänet kutsuttiin "
          "takaisin peliin.\n") + PAUSE + round3, "1. Pekka: 2. Punaiset Ketut : 3. Liisa: ",
          refused + "\n", ENDS}},
        {"a game past the rounds a record may hold is neither secured nor saved, and says so",
         "\n\nPitkä (6.12.2026, kierros 1000000)\n1000000\n5.12.2026\n19:05:12\n50\n0\n\n",
         "J\n\n|T\n\n", {"Kierros 1000001 alkaa. ", "Tilanne kierroksen 1000001",
          "VAROITUS: Pelitilannetta ei voitu varmistaa. Tallenna peli komennolla T.\n" + ROUND_MENU +
              MENU_PROMPT + "Tallentaminen ei onnistunut. \n" + PAUSE}},
        {"T asks a name till not blank, keeps it as typed; its pause meets the input's end", "",
         "Matti\n\n\n5\nT\n\n   \n  Peli (A)  \n\nT\n",
         {NAME + NAME + NAME + SAVED + CLEAR, MENU_PROMPT + SAVED + "\n", ENDS, "\f",
          "\n\n  Peli (A)   (6.12.2026, kierros 1)\n1\n6.12.2026\n19:02:44\n50\n1\nMatti\n0\n5 \n\n"
          "\n\n  Peli (A)   (6.12.2026, kierros 1)\n"}},
    });
    // clang-format on
}
