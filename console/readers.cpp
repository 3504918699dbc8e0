#include "console/readers.h"

#include "console/text.h"
#include "format/numbers.h"

namespace {

// readChoice and readNumber differ only in what a blank line stands for. Every
// caller has more than one acceptable number, so the range is always "MIN - MAX".
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
        console.out << "VIRHE: Valinnan pit\x84\x84 olla v\x84lill\x84 " << unsignedToText(min)
                    << " - " << unsignedToText(max) << ".\n";
    }
    return false;
}

}  // namespace

ScannedNumber scanNumber(const std::string& text, std::size_t& at) {
    while (at < text.size() && isWhitespace(text[at])) {
        ++at;
    }
    ScannedNumber number;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        number.negative = text[at] == '-';
        ++at;
    }
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        number.found = true;
        number.magnitude = number.magnitude * 10 + static_cast<std::uint64_t>(text[at] - '0');
        if (number.magnitude > LARGEST_NUMBER) {
            number.magnitude = LARGEST_NUMBER + 1;  // keeps it bounded over any run of digits
        }
    }
    return number;
}

ParsedNumber parseNumber(const std::string& line) {
    std::size_t at = 0;
    const ScannedNumber scanned = scanNumber(line, at);
    if (!scanned.found) {
        return {};
    }
    if (scanned.magnitude > LARGEST_NUMBER || (scanned.negative && scanned.magnitude != 0)) {
        return {NumberKind::OutOfRange, 0};
    }
    return {NumberKind::Value, static_cast<std::uint32_t>(scanned.magnitude)};
}

bool readChoice(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t& value) {
    return readRanged(console, prompt, min, max, nullptr, value);
}

bool readNumber(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t defaultValue, std::uint32_t& value) {
    return readRanged(console, prompt, min, max, &defaultValue, value);
}

bool readResult(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t& value) {
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
        const ParsedNumber number = parseNumber(line);
        if (number.kind == NumberKind::Value && number.value >= min && number.value <= max) {
            value = number.value;
            return true;
        }
        console.out << "VIRHE: Tuloksen pit\x84\x84 olla v\x84lill\x84 " << unsignedToText(min)
                    << " - " << unsignedToText(max) << " (tai J tai V).\n";
    }
    return false;
}
