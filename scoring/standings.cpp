#include "scoring/standings.h"

#include "format/numbers.h"
#include "scoring/figures.h"

namespace {

// Each label starts where its column's values start.
const char* const HEADING =
    "Nimi:          Paras:  Huonoin: Keskiarvo: Yhteens\x84: Mediaani: Varianssi: ";

}  // namespace

std::string standingsRow(const ThrowerRecord& thrower) {
    return padRight(shortName(thrower), 15) + unsignedToColumn(bestPoints(thrower), 8) +
           unsignedToColumn(worstPoints(thrower), 9) + decimalToColumn(averagePoints(thrower), 11) +
           unsignedToColumn(totalPoints(thrower), 10) + padRight(medianText(thrower), 10) +
           decimalToColumn(variance(thrower), 5);
}

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
    text += std::string(76, '-') + '\n';
    for (const ThrowerRecord& thrower : throwers) {
        text += standingsRow(thrower) + '\n';
    }
    text += '\n';
    return text;
}
