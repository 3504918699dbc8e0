#include "scoring/figures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "format/numbers.h"

namespace {

// Any figure with 1005 or more is never taken as the lowest result.
constexpr std::uint32_t WORST_START = 1005;

// The results in order of size without sorting a copy: how often each value up
// to the highest maximum score occurs, and the rare larger values (only an
// edited saved game brings them in) in a list of their own.
struct CountedResults {
    std::array<std::uint32_t, HIGHEST_MAX_SCORE + 1> ofValue{};
    std::uint32_t highest = 0;  // highest counted value; a walk stops there
    std::vector<std::uint32_t> larger;
    std::uint32_t count = 0;
};

CountedResults countResults(const ThrowerRecord& thrower) {
    CountedResults results;
    for (std::uint32_t entry : thrower.points) {
        if (entry == NO_RESULT) {
            continue;
        }
        ++results.count;
        if (entry <= HIGHEST_MAX_SCORE) {
            ++results.ofValue[entry];
            results.highest = std::max(results.highest, entry);
        } else {
            results.larger.push_back(entry);
        }
    }
    return results;
}

// The result at `position` (from 0) of the results sorted in ascending order.
std::uint32_t resultAt(CountedResults& results, std::uint32_t position) {
    for (std::uint32_t value = 0; value <= results.highest; ++value) {
        if (position < results.ofValue[value]) {
            return value;
        }
        position -= results.ofValue[value];
    }
    const auto nth = results.larger.begin() + position;
    std::nth_element(results.larger.begin(), nth, results.larger.end());
    return *nth;
}

}  // namespace

std::uint32_t totalPoints(const ThrowerRecord& thrower) {
    std::uint32_t total = 0;
    for (std::uint32_t entry : thrower.points) {
        if (entry != NO_RESULT) {
            total += entry;
        }
    }
    return total;
}

std::uint32_t bestPoints(const ThrowerRecord& thrower) {
    std::uint32_t best = 0;
    for (std::uint32_t entry : thrower.points) {
        if (entry != NO_RESULT && entry > best) {
            best = entry;
        }
    }
    return best;
}

std::uint32_t worstPoints(const ThrowerRecord& thrower) {
    std::uint32_t worst = WORST_START;
    for (std::uint32_t entry : thrower.points) {
        if (entry != NO_RESULT && entry < worst) {
            worst = entry;
        }
    }
    return worst == WORST_START ? 0 : worst;
}

double averagePoints(const ThrowerRecord& thrower) {
    // Total and count in one walk: every standings display takes the average
    // of every thrower three times (the row, the variance, the best thrower).
    std::uint32_t total = 0;
    std::uint32_t count = 0;
    for (std::uint32_t entry : thrower.points) {
        if (entry != NO_RESULT) {
            total += entry;
            ++count;
        }
    }
    if (count == 0) {
        return 0.0;
    }
    return static_cast<double>(total) / static_cast<double>(count);
}

std::string medianText(const ThrowerRecord& thrower) {
    CountedResults results = countResults(thrower);
    if (results.count == 0) {
        return "0";
    }
    const std::uint32_t middle = results.count / 2;
    const std::uint32_t upper = resultAt(results, middle);
    if (results.count % 2 == 1) {
        return unsignedToText(upper);
    }
    const std::uint32_t sum = resultAt(results, middle - 1) + upper;
    if (sum % 2 == 0) {
        return unsignedToText(sum / 2);
    }
    return decimalToText(sum / 2.0, 1);
}

double variance(const ThrowerRecord& thrower) {
    const double average = averagePoints(thrower);
    double sum = 0.0;
    for (std::uint32_t entry : thrower.points) {
        if (entry != NO_RESULT) {
            const double deviation = static_cast<double>(entry) - average;
            sum += deviation * deviation;
        }
    }
    return std::sqrt(sum);
}

std::string unsignedToColumn(std::uint32_t n, std::uint32_t width) {
    return padRight(unsignedToText(n), width);
}
