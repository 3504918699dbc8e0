#include "scoring/standings.h"

#include "format/numbers.h"
#include "scoring/figures.h"

namespace {

// Each label starts where its column's values start.
const char* const HEADING =
    "Nimi:          Paras:  Huonoin: Keskiarvo: Yhteens\x84: Mediaani: Varianssi: ";

// The hyphens under the heading, two more than the heading's 74 bytes.
constexpr std::size_t RULE_WIDTH = 76;

// The columns' widths, in the order of the heading.
constexpr std::uint32_t NAME_WIDTH = 15;
constexpr std::uint32_t BEST_WIDTH = 8;
constexpr std::uint32_t WORST_WIDTH = 9;
constexpr std::uint32_t AVERAGE_WIDTH = 11;
constexpr std::uint32_t TOTAL_WIDTH = 10;
constexpr std::uint32_t MEDIAN_WIDTH = 10;
constexpr std::uint32_t VARIANCE_WIDTH = 5;

// One row of the standings, without its line end.
std::string standingsRow(const ThrowerRecord& thrower) {
    return padRight(shortName(thrower), NAME_WIDTH) +
           unsignedToColumn(bestPoints(thrower), BEST_WIDTH) +
           unsignedToColumn(worstPoints(thrower), WORST_WIDTH) +
           decimalToColumn(averagePoints(thrower), AVERAGE_WIDTH) +
           unsignedToColumn(totalPoints(thrower), TOTAL_WIDTH) +
           padRight(medianText(thrower), MEDIAN_WIDTH) +
           decimalToColumn(variance(thrower), VARIANCE_WIDTH);
}

}  // namespace

std::string standingsTable(const std::vector<ThrowerRecord>& throwers, std::uint32_t round,
                           Form form) {
    std::string text;
    if (form == Form::Console) {
        text += "Tilanne kierroksen " + unsignedToText(round) + " j\x84lkeen: \n\n";
    } else {
        text += "\n\nLopulliset tulokset: \n\n";
    }
    text += HEADING;
    text += '\n';
    text += std::string(RULE_WIDTH, '-') + '\n';
    for (const ThrowerRecord& thrower : throwers) {
        text += standingsRow(thrower) + '\n';
    }
    text += '\n';
    return text;
}
