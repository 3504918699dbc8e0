#include "report/results.h"

#include "console/platform/files.h"
#include "format/text.h"
#include "report/file_text.h"
#include "report/results_page.h"
#include "scoring/round_history.h"
#include "scoring/standings.h"
#include "scoring/statistics.h"

namespace {

// Two games ended in the same second share a stamp; later ones get a suffix.
constexpr unsigned LAST_ATTEMPT = 999;

// The page beside the results file "NAME.txt": "NAME.html".
std::string pageNameOf(const std::string& textName) {
    return textName.substr(0, textName.size() - 4) + ".html";
}

// The report body in console bytes: the grid of every round with each
// round's winners, the final standings and the statistics.
std::string resultsReport(const std::vector<ThrowerRecord>& throwers, std::uint32_t rounds) {
    return roundHistory(throwers, rounds, Form::File) +
           standingsTable(throwers, rounds, Form::File) +
           statisticsBlock(throwers, rounds, Form::File);
}

}  // namespace

std::string resultsTitle(const GameState& state) {
    return isBlank(state.gameName) ? "Vaskipiikkikisa" : "Vaskipiikkikisa: " + state.gameName;
}

std::string resultsTimes(const GameState& state, const LocalTime& end) {
    std::string text = "Tulokset " + state.startDate + " klo " + state.startTime + " - ";
    if (dateStamp(end) != state.startDate) {
        text += dateStamp(end) + " klo ";
    }
    return text + timeStamp(end);
}

std::string resultsFileText(const GameState& state, const LocalTime& end) {
    // Built in console bytes throughout; one conversion turns fixed texts and
    // names alike into the file's letters.
    return toFileText(resultsTitle(state) + "\n" + resultsTimes(state, end) + "\n\n" +
                      resultsReport(state.throwers, state.round));
}

std::string resultsFileName(const LocalTime& end, unsigned attempt) {
    std::string name = "vaskipiikkikisa_tulokset_" + fileStamp(end);
    if (attempt > 1) {
        name += "_" + std::to_string(attempt);
    }
    return name + ".txt";
}

std::string storeResults(const GameState& state, const LocalTime& end) {
    // A name is free only when the page's name beside it is free too, so the
    // two always share their stem.
    const std::string name = writeUnderFreeName(
        resultsFileText(state, end), resultsFileName(end, 1),
        [&](unsigned attempt) {
            const std::string text = resultsFileName(end, attempt);
            return nameExists(pageNameOf(text)) ? "" : text;
        },
        LAST_ATTEMPT);
    // The page is for the players to look at; the text file is the record,
    // and stands whether or not the page can be written beside it.
    if (!name.empty()) {
        const std::string page = pageNameOf(name);
        writeUnderFreeName(
            resultsPage(state, end), page,
            [&](unsigned attempt) { return attempt == 1 ? page : ""; }, 1);
    }
    return name;
}
