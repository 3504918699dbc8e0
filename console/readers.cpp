#include "console/readers.h"

#include <cstddef>

#include "console/text.h"
#include "format/numbers.h"

namespace {

constexpr std::uint64_t LARGEST = 4294967295u;

void printChoiceError(Console& console, std::uint32_t min, std::uint32_t max) {
    if (min == max) {
        console.out << "VIRHE: Valinnan pit\x84\x84 olla " << unsignedToText(max) << ".\n";
    } else {
        console.out << "VIRHE: Valinnan pit\x84\x84 olla v\x84lill\x84 " << unsignedToText(min)
                    << " - " << unsignedToText(max) << ".\n";
    }
}

// readChoice and readNumber differ only in what a blank line stands for.
bool readRanged(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                const std::uint32_t* blankValue, std::uint32_t& value) {
    std::string line;
    while (ask(console, prompt, line)) {
        ParsedNumber number;
        if (blankValue != nullptr && isBlank(line)) {
            number = {NumberKind::Value, *blankValue};
        } else {
            number = parseNumber(line);
        }
        if (number.kind == NumberKind::None) {
            continue;
        }
        if (number.kind == NumberKind::Value && number.value >= min && number.value <= max) {
            value = number.value;
            return true;
        }
        printChoiceError(console, min, max);
    }
    return false;
}

}  // namespace

ParsedNumber parseNumber(const std::string& line) {
    std::size_t at = 0;
    while (at < line.size() && isWhitespace(line[at])) {
        ++at;
    }
    bool negative = false;
    if (at < line.size() && (line[at] == '+' || line[at] == '-')) {
        negative = line[at] == '-';
        ++at;
    }
    ParsedNumber number;
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (; at < line.size() && line[at] >= '0' && line[at] <= '9'; ++at) {
        number.kind = NumberKind::Value;
        value = value * 10 + static_cast<std::uint64_t>(line[at] - '0');
        if (value > LARGEST) {
            tooLarge = true;
            value = LARGEST;  // keeps the sum bounded over any run of digits
        }
    }
    if (number.kind == NumberKind::None) {
        return number;
    }
    if (tooLarge || (negative && value != 0)) {
        number.kind = NumberKind::OutOfRange;
        return number;
    }
    number.value = static_cast<std::uint32_t>(value);
    return number;
}

bool readChoice(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                bool blankMeansMax, std::uint32_t& value) {
    return readRanged(console, prompt, min, max, blankMeansMax ? &max : nullptr, value);
}

bool readNumber(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t defaultValue, std::uint32_t& value) {
    return readRanged(console, prompt, min, max, &defaultValue, value);
}

bool readResult(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                bool blankMeansMax, std::uint32_t& value) {
    if (min == max) {
        value = min;
        return true;
    }
    std::string line;
    while (ask(console, prompt, line)) {
        if (line == "J" || line == "j") {
            value = NO_RESULT;
            return true;
        }
        if (line == "V" || line == "v") {
            value = WITHDRAW;
            return true;
        }
        ParsedNumber number = parseNumber(line);
        if (blankMeansMax && isBlank(line)) {
            number = {NumberKind::Value, max};
        }
        if (number.kind == NumberKind::Value && number.value >= min && number.value <= max) {
            value = number.value;
            return true;
        }
        console.out << "VIRHE: Tuloksen pit\x84\x84 olla v\x84lill\x84 " << unsignedToText(min)
                    << " - " << unsignedToText(max) << " (tai J tai V).\n";
    }
    return false;
}
