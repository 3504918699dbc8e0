#include "support/game_run.h"

#include <sstream>

#include "app/driver.h"
#include "support/test_support.h"

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
    std::istringstream in(script);
    std::ostringstream out;
    Console console{in, out};
    GameRun run;
    run.exitStatus = runGame(
        console, [] { return testTime(); }, run.state);
    run.output = out.str();
    run.readsAfterEnd = console.readsAfterEnd;
    return run;
}
