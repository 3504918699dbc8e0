#include "scoring/figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "format/numbers.h"

namespace {

// Any figure with 1005 or more is never taken as the lowest result.
constexpr std::uint32_t WORST_START = 1005;

std::uint32_t resultCount(const ThrowerRecord& thrower) {
    return static_cast<std::uint32_t>(
        std::count_if(thrower.points.begin(), thrower.points.end(),
                      [](std::uint32_t entry) { return entry != NO_RESULT; }));
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
    const std::uint32_t count = resultCount(thrower);
    if (count == 0) {
        return 0.0;
    }
    return static_cast<double>(totalPoints(thrower)) / static_cast<double>(count);
}

std::string medianText(const ThrowerRecord& thrower) {
    std::vector<std::uint32_t> results;
    for (std::uint32_t entry : thrower.points) {
        if (entry != NO_RESULT) {
            results.push_back(entry);
        }
    }
    if (results.empty()) {
        return "0";
    }
    // Only the middle values are needed, so a selection keeps this linear.
    const std::size_t middle = results.size() / 2;
    std::nth_element(results.begin(), results.begin() + middle, results.end());
    const std::uint32_t upper = results[middle];
    if (results.size() % 2 == 1) {
        return unsignedToText(upper);
    }
    const std::uint32_t lower = *std::max_element(results.begin(), results.begin() + middle);
    const std::uint32_t sum = lower + upper;
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
