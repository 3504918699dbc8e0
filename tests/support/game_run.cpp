#include "support/game_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "app/driver.h"
#include "report/results.h"
#ifndef _WIN32
#include "console/platform/charset_posix.h"
#endif
#include "saves/recovery.h"
#include "saves/saved_games.h"
#include "support/test_support.h"

namespace {

// Hands the script out a line at a time, a burst of lines ended by '|' being
// waiting input, and notes the recovery file whenever a burst begins (the
// program had to wait) and whether it changed while a burst lasted.
struct Keyboard : std::streambuf {
    int_type underflow() override {
        if (at == end) {
            if (next > script.size()) {
                return traits_type::eof();
            }
            waits.push_back(fileContents(RECOVERY_FILE));
            at = next;
            end = std::min(script.find('|', next), script.size());
            next = end + 1;
            return underflow();
        }
        writtenWhileTyping = writtenWhileTyping || fileContents(RECOVERY_FILE) != waits.back();
        const std::size_t feed = script.find('\n', at);
        line = script.substr(at, std::min(feed == std::string::npos ? end : feed + 1, end) - at);
        at += line.size();
        setg(&line[0], &line[0], &line[0] + line.size());
        return traits_type::to_int_type(line[0]);
    }
    std::streamsize showmanyc() override { return static_cast<std::streamsize>(end - at); }

    std::string script, line;
    std::size_t at = 0, end = 0, next = 0;
    std::vector<std::string> waits;
    bool writtenWhileTyping = false;
};

// Shows what is printed; once it has shown `last`, it fails.
struct Screen : std::streambuf {
    int_type overflow(int_type c) override {
        if (closed) {
            return traits_type::eof();
        }
        shown += traits_type::to_char_type(c);
        closed = !last.empty() && shown.size() >= last.size() &&
                 shown.compare(shown.size() - last.size(), last.size(), last) == 0;
        return c;
    }
    std::string shown, last;
    bool closed = false;
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

std::string roundHeader(const std::string& number, const std::string& max) {
    return "Kierros " + number + " alkaa. \n" +
           cp850("Anna heittäjien pistemäärät. (0-" + max + ", J = Jätä väliin, V = Vetäydy)\n") +
           std::string(70, '-') + "\n";
}

std::string standingsTitle(const std::string& round) {
    return CLEAR + cp850("Tilanne kierroksen " + round + " jälkeen: \n\n") +
           cp850("Nimi:          Paras:  Huonoin: Keskiarvo: Yhteensä: Mediaani: Varianssi: \n") +
           std::string(76, '-') + "\n";
}

std::string iltaRecord(const std::string& header) {
    return "\n\n" + header +
           "\n2\n5.12.2026\n19:05:12\n50\n2\nMatti\n0\n5 1001 \nLiisa\n1\n7 1001 \n\n";
}

std::string cutIlta() {
    const std::string whole = iltaRecord();
    return whole.substr(0, whole.find("7 10") + 4);
}

GameRun playGame(const std::string& script, const char* charset, const std::string& closedAfter) {
    Keyboard keyboard;
    keyboard.script = script;
    std::istream in(&keyboard);
    Screen screen;
    screen.last = closedAfter;
    std::ostream out(&screen);
#ifndef _WIN32
    CharsetConversion conversion;
    std::unique_ptr<ConvertedStreams> converted;
    if (*charset != '\0' && openCharset(conversion, charset)) {
        converted.reset(new ConvertedStreams(in, out, conversion));
    }
#else
    (void)charset;  // a Windows console is set to code page 850 instead
#endif
    Console console{in, out};
    GameRun run;
    GameState state;
    run.exitStatus = runGame(
        console, [] { return testTime(); }, state);
#ifndef _WIN32
    converted.reset();
#endif
    run.output = screen.shown;
    run.readsAfterEnd = console.endReports > 1 ? console.endReports - 1 : 0;
    run.recoveryAtWaits = keyboard.waits;
    run.writtenWhileTyping = keyboard.writtenWhileTyping;
    return run;
}

void playDialogues(const std::vector<Dialogue>& dialogues) {
    for (const Dialogue& d : dialogues) {
        SCOPED_TRACE(d.what);
        const std::size_t split = std::min(d.planted.find('\f'), d.planted.size());
        const auto play = [&](const std::string& typed) {
            if (split > 0)
                writeFile(SAVED_GAMES_FILE, d.planted.substr(0, split));
            if (split < d.planted.size())
                writeFile(RECOVERY_FILE, d.planted.substr(split + 1));
            return playGame(typed);
        };
        // Cut after any of its lines, the game ends as at the end of input.
        for (std::size_t cut = 0; (cut = d.typed.find('\n', cut) + 1) != 0;) {
            ScratchDir dir;
            const GameRun run = play(d.typed.substr(0, cut));
            EXPECT_TRUE(run.exitStatus == 0 && run.readsAfterEnd == 0 && run.output.back() == '\n')
                << "cut after byte " << cut;
        }
        ScratchDir dir;
        const GameRun run = play(d.typed);
        EXPECT_EQ(run.exitStatus, 0);
        EXPECT_EQ(run.readsAfterEnd, 0u);
        // Whatever was typed or planted, the terminal gets no control byte but
        // line feeds and the three escapes of each clear sequence.
        EXPECT_TRUE(onlyLineFeedsAndClears(run.output));
        const std::string results = fileContents(resultsFileName(testTime(), 1));
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

void expectGolden(const std::string& path, const std::string& text) {
    const std::string golden = std::string(VASKI_SOURCE_DIR) + "/" + path;
    if (std::getenv("VASKI_WRITE_GOLDEN") != nullptr)
        writeFile(golden, text);
    EXPECT_EQ(text, fileContents(golden)) << path;
}
