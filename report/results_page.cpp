#include "report/results_page.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "format/numbers.h"
#include "format/text.h"
#include "report/file_text.h"
#include "report/results.h"
#include "scoring/figures.h"
#include "scoring/round_history.h"
#include "scoring/statistics.h"

namespace {

// The page's look on a screen and on paper. The tables scroll sideways where
// the screen is too narrow; printed, they shrink to the width of the paper.
const char* const STYLE =
    "body{font-family:system-ui,-apple-system,\"Segoe UI\",Roboto,sans-serif;line-height:1.4;"
    "color:#1a1a1a;background:#fff;max-width:64em;margin:0 auto;padding:1em}\n"
    "h1{font-size:1.6em;margin:0 0 .2em}\n"
    "h2{font-size:1.2em;margin:1.4em 0 .4em}\n"
    "p{margin:0;color:#444}\n"
    "figure{margin:0}\n"
    "figure>svg{display:block;width:100%;height:auto}\n"
    ".grid line{stroke:#ddd}\n"
    ".grid .base{stroke:#777}\n"
    "svg text{font-size:13px;fill:#444}\n"
    "@media (max-width:40em){svg text{font-size:20px}}\n"
    ".lines polyline{fill:none;stroke-width:2.5;stroke-linejoin:round;stroke-linecap:round;"
    "vector-effect:non-scaling-stroke}\n"
    ".legend{display:flex;flex-wrap:wrap;gap:.2em 1.4em;list-style:none;margin:.4em 0 0;"
    "padding:0}\n"
    ".legend svg{width:2.2em;height:.8em;margin-right:.4em;vertical-align:middle}\n"
    ".scroll{overflow-x:auto}\n"
    "table{border-collapse:collapse}\n"
    "th,td{padding:.2em .6em;border-bottom:1px solid #ddd;text-align:left;white-space:nowrap}\n"
    "thead th{border-bottom:2px solid #888}\n"
    ".n,.rounds td{text-align:right;font-variant-numeric:tabular-nums}\n"
    ".rounds td:last-child{text-align:left;white-space:normal;min-width:14em}\n"
    ".rounds .b{font-weight:bold;background:#ffe08a;print-color-adjust:exact;"
    "-webkit-print-color-adjust:exact}\n"
    "@page{size:A4 portrait;margin:12mm}\n"
    "@media print{body{max-width:none;padding:0;font-size:9pt}.scroll{overflow:visible}"
    "th,td{padding:.1em .3em;white-space:normal}td.n,.rounds td{white-space:nowrap}"
    "thead th{overflow-wrap:anywhere}.rounds{font-size:7pt}"
    "h2,figure{break-inside:avoid;break-after:avoid}tr{break-inside:avoid}}\n";

// The chart's drawing area inside a 720 x 354 picture, with room for the
// ticks' labels on the left (six digits in the larger letters of a phone) and
// below; the picture scales to the page.
constexpr std::uint64_t CHART_WIDTH = 720;
constexpr std::uint64_t CHART_HEIGHT = 354;
constexpr std::uint64_t PLOT_LEFT = 72;
constexpr std::uint64_t PLOT_TOP = 28;
constexpr std::uint64_t PLOT_WIDTH = 628;
constexpr std::uint64_t PLOT_HEIGHT = 280;
// About this many steps between ticks on each axis.
constexpr std::uint32_t ROUND_STEPS = 6;
constexpr std::uint32_t POINT_STEPS = 5;

// Okabe and Ito's eight colours, told apart with every kind of colour vision;
// from the ninth thrower on they come again with a dash pattern.
const char* const COLOURS[] = {"#0072B2", "#D55E00", "#009E73", "#E69F00",
                               "#CC79A7", "#56B4E9", "#000000", "#F0E442"};
const char* const DASHES[] = {"", "8 4", "2 4", "12 4 2 4", "4 4"};

// Console bytes as page text: the results file's letters as UTF-8, the
// characters of markup as references, and a control byte as "?". Fixed texts
// are held in console bytes too, like the results file's, and pass through
// here as the names do; markup never does.
void appendText(std::string& page, const std::string& console) {
    for (const char c : toFileText(withoutControlBytes(console))) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '&') {
            page += "&amp;";
        } else if (c == '<') {
            page += "&lt;";
        } else if (c == '>') {
            page += "&gt;";
        } else if (c == '"') {
            page += "&quot;";
        } else if (c == '\'') {
            page += "&#39;";
        } else if (byte >= 0x80) {
            page += static_cast<char>(0xC0 | byte >> 6);
            page += static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            page += c;
        }
    }
}

// An element holding text: <tag attributes>text</tag>.
void appendElement(std::string& page, const char* tag, const char* attributes,
                   const std::string& console) {
    page += std::string("<") + tag + attributes + ">";
    appendText(page, console);
    page += std::string("</") + tag + ">";
}

// One thrower's line in the chart: his running total after each round from
// `first` on. A skip adds nothing. The state does not tell when a thrower
// joined, so the line starts at 0 in the round before his first result; a
// withdrawn thrower's line ends in the round after his last result, the first
// he could have withdrawn in. No result at all, no line.
struct ChartLine {
    std::uint32_t first = 0;
    std::vector<std::uint32_t> totals;
};

ChartLine chartLine(const ThrowerRecord& thrower, std::uint32_t rounds) {
    const std::size_t played = std::min<std::size_t>(thrower.points.size(), rounds);
    std::size_t first = played;
    std::size_t last = 0;
    for (std::size_t i = 0; i < played; ++i) {
        if (thrower.points[i] != NO_RESULT) {
            first = std::min(first, i);
            last = i + 1;
        }
    }
    ChartLine line;
    if (first == played) {
        return line;
    }
    const std::size_t end = isWithdrawn(thrower) ? std::min(last + 1, played) : played;
    line.first = static_cast<std::uint32_t>(first);
    line.totals.push_back(0);
    for (std::size_t i = first; i < end; ++i) {
        const std::uint32_t entry = thrower.points[i];
        line.totals.push_back(line.totals.back() + (entry == NO_RESULT ? 0 : entry));
    }
    return line;
}

// The smallest of 1, 2 and 5 times a power of ten that is at least `least`.
std::uint32_t tickStep(std::uint64_t least) {
    for (std::uint64_t power = 1;; power *= 10) {
        for (const std::uint64_t step : {power, 2 * power, 5 * power}) {
            if (step >= least) {
                return static_cast<std::uint32_t>(step);
            }
        }
    }
}

// `value` of `range` as a length of 0 to `length`, rounded, as digits.
std::string scaled(std::uint64_t offset, std::uint64_t length, std::uint64_t value,
                   std::uint64_t range) {
    return std::to_string(offset + (2 * value * length + range) / (2 * range));
}

// The light lines and labels at every tick, the rounds below, the points on the left.
void appendGrid(std::string& page, std::uint32_t rounds, std::uint32_t top,
                std::uint32_t pointStep) {
    page += "<g class=\"grid\">";
    const std::uint32_t roundStep = tickStep((rounds + ROUND_STEPS - 1) / ROUND_STEPS);
    for (std::uint64_t round = 0; round <= rounds; round += roundStep) {
        const std::string x = scaled(PLOT_LEFT, PLOT_WIDTH, round, rounds);
        page += "<line x1=\"" + x + "\" y1=\"" + std::to_string(PLOT_TOP) + "\" x2=\"" + x +
                "\" y2=\"" + std::to_string(PLOT_TOP + PLOT_HEIGHT) + "\"/><text x=\"" + x +
                "\" y=\"" + std::to_string(PLOT_TOP + PLOT_HEIGHT + 18) +
                "\" text-anchor=\"middle\">" + std::to_string(round) + "</text>";
    }
    for (std::uint64_t points = 0; points <= top; points += pointStep) {
        const std::string plotY = scaled(PLOT_TOP, PLOT_HEIGHT, top - points, top);
        page += std::string("<line") + (points == 0 ? " class=\"base\"" : "") + " x1=\"" +
                std::to_string(PLOT_LEFT) + "\" y1=\"" + plotY + "\" x2=\"" +
                std::to_string(PLOT_LEFT + PLOT_WIDTH) + "\" y2=\"" + plotY + "\"/><text x=\"" +
                std::to_string(PLOT_LEFT - 6) + "\" y=\"" + plotY +
                "\" dy=\"4\" text-anchor=\"end\">" + std::to_string(points) + "</text>";
    }
    page += "</g>";
}

// A thrower's colour, and his dash pattern from the ninth thrower on.
std::string strokeAttributes(std::size_t thrower) {
    std::string attributes = std::string(" stroke=\"") + COLOURS[thrower % 8] + "\"";
    const char* const dash = DASHES[thrower / 8 % 5];
    if (*dash != '\0') {
        attributes += std::string(" stroke-dasharray=\"") + dash + "\"";
    }
    return attributes;
}

// The lines are drawn in rounds and points, flipped so that points go up; the
// picture stretches them over the drawing area and keeps their width.
void appendLines(std::string& page, const std::vector<ThrowerRecord>& throwers,
                 const std::vector<ChartLine>& lines, std::uint32_t rounds, std::uint32_t top) {
    page += "<svg x=\"" + std::to_string(PLOT_LEFT) + "\" y=\"" + std::to_string(PLOT_TOP) +
            "\" width=\"" + std::to_string(PLOT_WIDTH) + "\" height=\"" +
            std::to_string(PLOT_HEIGHT) + "\" viewBox=\"0 0 " + std::to_string(rounds) + " " +
            std::to_string(top) + "\" preserveAspectRatio=\"none\" overflow=\"visible\">" +
            "<g class=\"lines\" transform=\"matrix(1 0 0 -1 0 " + std::to_string(top) + ")\">\n";
    for (std::size_t t = 0; t < lines.size(); ++t) {
        if (lines[t].totals.empty()) {
            continue;
        }
        page += "<polyline" + strokeAttributes(t) + " points=\"";
        for (std::size_t i = 0; i < lines[t].totals.size(); ++i) {
            page += (i == 0 ? "" : " ") + std::to_string(lines[t].first + i) + "," +
                    std::to_string(lines[t].totals[i]);
        }
        page += "\">";
        appendElement(page, "title", "", shortName(throwers[t]));
        page += "</polyline>\n";
    }
    page += "</g></svg>";
}

void appendLegend(std::string& page, const std::vector<ThrowerRecord>& throwers) {
    page += "<ul class=\"legend\">\n";
    for (std::size_t t = 0; t < throwers.size(); ++t) {
        page +=
            "<li><svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 32 12\" "
            "aria-hidden=\"true\"><line x1=\"0\" y1=\"6\" x2=\"32\" y2=\"6\" "
            "stroke-width=\"3\"" +
            strokeAttributes(t) + "/></svg>";
        appendText(page, shortName(throwers[t]));
        page += "</li>\n";
    }
    page += "</ul>\n";
}

void appendChart(std::string& page, const std::vector<ThrowerRecord>& throwers,
                 std::uint32_t rounds) {
    std::vector<ChartLine> lines;
    std::uint32_t highest = 0;
    for (const ThrowerRecord& thrower : throwers) {
        lines.push_back(chartLine(thrower, rounds));
        for (const std::uint32_t total : lines.back().totals) {
            highest = std::max(highest, total);
        }
    }
    const std::uint32_t step = tickStep((highest + POINT_STEPS - 1) / POINT_STEPS);
    const std::uint32_t top = std::max(step, (highest + step - 1) / step * step);
    appendElement(page, "h2", "", "Yhteispisteet kierroksittain");
    page += "\n<figure><svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
            std::to_string(CHART_WIDTH) + " " + std::to_string(CHART_HEIGHT) +
            "\" role=\"img\" aria-label=\"Yhteispisteet kierroksittain\">\n";
    appendGrid(page, rounds, top, step);
    appendElement(page, "text", " x=\"8\" y=\"16\"", "Pisteet");
    const std::string below = " x=\"" + std::to_string(PLOT_LEFT + PLOT_WIDTH / 2) + "\" y=\"" +
                              std::to_string(CHART_HEIGHT - 6) + "\" text-anchor=\"middle\"";
    appendElement(page, "text", below.c_str(), "Kierros");
    appendLines(page, throwers, lines, rounds, top);
    page += "</svg>\n";
    appendLegend(page, throwers);
    page += "</figure>\n";
}

void appendStandings(std::string& page, const std::vector<ThrowerRecord>& throwers) {
    appendElement(page, "h2", "", "Lopulliset tulokset");
    page += "\n<div class=\"scroll\"><table>\n<thead><tr><th>Nimi</th>";
    for (const char* label :
         {"Paras", "Huonoin", "Keskiarvo", "Yhteens\x84", "Mediaani", "Varianssi"}) {
        appendElement(page, "th", " class=\"n\"", label);
    }
    page += "</tr></thead>\n<tbody>\n";
    for (const ThrowerRecord& thrower : throwers) {
        page += "<tr>";
        appendElement(page, "td", "", shortName(thrower));
        for (const std::string& figure :
             {unsignedToText(bestPoints(thrower)), unsignedToText(worstPoints(thrower)),
              decimalToText(averagePoints(thrower), 2), unsignedToText(totalPoints(thrower)),
              medianText(thrower), decimalToText(variance(thrower), 2)}) {
            page += "<td class=\"n\">" + figure + "</td>";
        }
        page += "</tr>\n";
    }
    page += "</tbody></table></div>\n";
}

void appendStatistics(std::string& page, const std::vector<ThrowerRecord>& throwers,
                      std::uint32_t rounds) {
    appendElement(page, "h2", "", "Tilastoja");
    page += "\n<div class=\"scroll\"><table>\n<tbody>\n";
    for (const StatisticsLine& line : statisticsLines(throwers, rounds)) {
        page += "<tr>";
        appendElement(page, "th", "", line.label);
        appendElement(page, "td", "", line.subject);
        appendElement(page, "td", "", line.measure);
        // The block pads the average to its column; the table aligns it instead.
        appendElement(page, "td", " class=\"n\"",
                      line.figure.substr(0, line.figure.find_last_not_of(' ') + 1));
        page += "</tr>\n";
    }
    page += "</tbody></table></div>\n";
}

// One round's line: every thrower's points ("-" without a result) with the
// round's best marked, the total and the winners.
void appendRound(std::string& page, const std::vector<ThrowerRecord>& throwers,
                 std::uint32_t round) {
    std::uint32_t best = 0;
    for (const ThrowerRecord& thrower : throwers) {
        const std::uint32_t entry = pointsOfRound(thrower, round);
        if (entry != NO_RESULT) {
            best = std::max(best, entry);
        }
    }
    page += "<tr><td>" + unsignedToText(round) + "</td>";
    for (const ThrowerRecord& thrower : throwers) {
        const std::uint32_t entry = pointsOfRound(thrower, round);
        if (entry == NO_RESULT) {
            page += "<td>-</td>";
        } else {
            // A best of 0 is no winner, as in the winners' text.
            page += (entry == best && best != 0 ? "<td class=\"b\">" : "<td>") +
                    unsignedToText(entry) + "</td>";
        }
    }
    page += "<td>" + unsignedToText(roundTotal(throwers, round)) + "</td>";
    appendElement(page, "td", "", roundWinners(throwers, round));
    page += "</tr>\n";
}

void appendRounds(std::string& page, const std::vector<ThrowerRecord>& throwers,
                  std::uint32_t rounds) {
    appendElement(page, "h2", "", "Kierrosten tulokset ja voittajat");
    page += "\n<div class=\"scroll\"><table class=\"rounds\">\n<thead><tr>";
    appendElement(page, "th", " class=\"n\"", "Kierros");
    for (const ThrowerRecord& thrower : throwers) {
        appendElement(page, "th", " class=\"n\"", shortName(thrower));
    }
    appendElement(page, "th", " class=\"n\"", "Yhteens\x84");
    appendElement(page, "th", "", "Voittajat");
    page += "</tr></thead>\n<tbody>\n";
    for (std::uint32_t round = 1; round <= rounds; ++round) {
        appendRound(page, throwers, round);
    }
    page += "</tbody></table></div>\n";
}

}  // namespace

std::string resultsPage(const GameState& state, const LocalTime& end) {
    std::string page =
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"fi\" "
        "xml:lang=\"fi\">\n<head>\n<meta charset=\"utf-8\"/>\n<meta name=\"viewport\" "
        "content=\"width=device-width, initial-scale=1\"/>\n";
    appendElement(page, "title", "", resultsTitle(state));
    page += std::string("\n<style>\n") + STYLE + "</style>\n</head>\n<body>\n";
    appendElement(page, "h1", "", resultsTitle(state));
    page += "\n";
    appendElement(page, "p", "", resultsTimes(state, end));
    page += "\n";
    if (state.round != 0 && !state.throwers.empty()) {
        appendChart(page, state.throwers, state.round);
    }
    appendStandings(page, state.throwers);
    appendStatistics(page, state.throwers, state.round);
    appendRounds(page, state.throwers, state.round);
    page += "</body>\n</html>\n";
    return page;
}
