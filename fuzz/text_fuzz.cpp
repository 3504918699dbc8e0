// The number reader and the text checks over arbitrary lines, each compared
// with a plain reference written from the rules of the dialogue. The first two
// bytes choose a reader and its bounds; the rest is typed at it.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "console/readers.h"
#include "console/text.h"
#include "harness.h"

namespace {

const char* const WHITESPACE = " \t\n\v\f\r";

// The lines a console reads: up to each line feed, one carriage return before
// it dropped; a last line without a line feed counts.
std::vector<std::string> typedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// Whitespace, optional sign, base-10 digits; a value beyond 32 bits or a
// negative one other than zero is out of range.
ParsedNumber referenceNumber(const std::string& line) {
    std::size_t at = line.find_first_not_of(WHITESPACE);
    if (at == std::string::npos) {
        return {};
    }
    const bool negative = line[at] == '-';
    at += line[at] == '-' || line[at] == '+' ? 1 : 0;
    std::string digits;
    while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) {
        digits += line[at++];
    }
    if (digits.empty()) {
        return {};
    }
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (digits.size() > 10 || (digits.size() == 10 && digits > "4294967295")) {
        return {NumberKind::OutOfRange, 0};
    }
    const std::uint64_t value = std::stoull(digits);
    if (negative && value != 0) {
        return {NumberKind::OutOfRange, 0};
    }
    return {NumberKind::Value, static_cast<std::uint32_t>(value)};
}

void checkText(const std::string& text) {
    const std::string cut = trimmed(text);
    const std::size_t first = text.find_first_not_of(WHITESPACE);
    const std::string expected =
        first == std::string::npos
            ? ""
            : text.substr(first, text.find_last_not_of(WHITESPACE) - first + 1);
    require(cut == expected, "trimmed drops exactly the whitespace at both ends");
    require(trimmed(cut) == cut, "trimmed is idempotent");
    require(isBlank(text) == cut.empty(), "a text is blank when trimming empties it");
    std::string upper = text;
    for (char& c : upper) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(std::toupper(c)) : c;
    }
    require(upperCased(text) == upper, "upperCased changes a to z only");
    const ParsedNumber number = parseNumber(text);
    const ParsedNumber reference = referenceNumber(text);
    require(number.kind == reference.kind, "parseNumber finds the same kind as the reference");
    require(number.kind != NumberKind::Value || number.value == reference.value,
            "parseNumber reads the same value as the reference");
}

std::string choiceError(std::uint32_t min, std::uint32_t max) {
    return min == max ? "VIRHE: Valinnan pit\x84\x84 olla " + std::to_string(max) + ".\n"
                      : "VIRHE: Valinnan pit\x84\x84 olla v\x84lill\x84 " + std::to_string(min) +
                            " - " + std::to_string(max) + ".\n";
}

// The dialogue a reader must hold over the lines: the prompt for each line,
// the error lines, and the value of the first acceptable line.
struct Dialogue {
    std::string output;
    bool answered = false;
    std::uint32_t value = 0;
};

Dialogue referenceDialogue(int reader, std::uint32_t min, std::uint32_t max, bool blankMeansMax,
                           std::uint32_t defaultValue, const std::vector<std::string>& lines) {
    Dialogue d;
    if (reader == 2 && min == max) {
        return {"", true, min};
    }
    for (const std::string& line : lines) {
        d.output += "? ";
        ParsedNumber number = referenceNumber(line);
        const bool blank = line.find_first_not_of(WHITESPACE) == std::string::npos;
        if (reader == 2) {
            if (line == "J" || line == "j" || line == "V" || line == "v") {
                return {d.output, true, line == "J" || line == "j" ? NO_RESULT : WITHDRAW};
            }
            if (blankMeansMax && blank) {
                number = {NumberKind::Value, max};
            }
        } else if (blank && (reader == 1 || blankMeansMax)) {
            number = {NumberKind::Value, reader == 1 ? defaultValue : max};
        } else if (number.kind == NumberKind::None) {
            continue;
        }
        if (number.kind == NumberKind::Value && number.value >= min && number.value <= max) {
            return {d.output, true, number.value};
        }
        d.output += reader == 2
                        ? "VIRHE: Tuloksen pit\x84\x84 olla v\x84lill\x84 " + std::to_string(min) +
                              " - " + std::to_string(max) + " (tai J tai V).\n"
                        : choiceError(min, max);
    }
    d.output += "? ";  // printed before the read that finds the end of input
    return d;
}

void checkReader(std::uint8_t choice, std::uint8_t bounds, const std::string& typed) {
    const int reader = choice % 3;  // readChoice, readNumber, readResult
    const bool blankMeansMax = (choice & 4) != 0;
    const std::uint32_t min = bounds & 0x0F;
    const std::uint32_t max = min + (bounds >> 4) * 70u;  // up to 1065, both codes inside
    const std::uint32_t defaultValue = (choice >> 3) * 40u;
    std::istringstream in(typed);
    std::ostringstream out;
    Console console{in, out};
    std::uint32_t value = 0;
    bool answered = false;
    if (reader == 0) {
        answered = readChoice(console, "? ", min, max, blankMeansMax, value);
    } else if (reader == 1) {
        answered = readNumber(console, "? ", min, max, defaultValue, value);
    } else {
        answered = readResult(console, "? ", min, max, blankMeansMax, value);
    }
    const Dialogue expected =
        referenceDialogue(reader, min, max, blankMeansMax, defaultValue, typedLines(typed));
    require(answered == expected.answered, "a reader gives up only at the end of input");
    require(!answered || value == expected.value, "a reader takes the first acceptable line");
    require(out.str() == expected.output, "a reader prints its prompts and error lines");
    require(console.readsAfterEnd == 0, "a reader stops at the end of input");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkText(bytes);
    for (const std::string& line : typedLines(bytes)) {
        checkText(line);
    }
    if (size >= 2) {
        checkReader(data[0], data[1], bytes.substr(2));
    }
    return 0;
}
