#include "console/readers.h"

#include "format/numbers.h"
#include "format/text.h"

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

bool readChoice(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t& value) {
    return readRanged(console, prompt, min, max, nullptr, value);
}

bool readNumber(Console& console, const std::string& prompt, std::uint32_t min, std::uint32_t max,
                std::uint32_t defaultValue, std::uint32_t& value) {
    return readRanged(console, prompt, min, max, &defaultValue, value);
}
