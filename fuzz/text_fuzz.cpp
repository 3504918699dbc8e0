// The number reader and the text checks over arbitrary text and each of its
// lines, compared with plain references: the C library's reading of a number,
// and the whitespace of the C locale.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "console/readers.h"
#include "console/text.h"
#include "support/test_support.h"

namespace {

const char* const WHITESPACE = " \t\n\v\f\r";

// strtoull skips the same whitespace and reads base 10; a negative number
// other than -0 is out of range whatever it wraps around to.
ParsedNumber referenceNumber(const std::string& text) {
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    if (end == text.c_str()) {
        return {};
    }
    const bool negative = text[text.find_first_not_of(WHITESPACE)] == '-';
    if (errno == ERANGE || value > LARGEST_NUMBER || (negative && value != 0)) {
        return {NumberKind::OutOfRange, 0};
    }
    return {NumberKind::Value, static_cast<std::uint32_t>(value)};
}

void checkText(const std::string& text) {
    const std::size_t first = std::min(text.find_first_not_of(WHITESPACE), text.size());
    const std::string cut = text.substr(first, text.find_last_not_of(WHITESPACE) + 1 - first);
    require(trimmed(text) == cut && isBlank(text) == cut.empty(),
            "trimming drops exactly the whitespace at both ends, and blank texts become empty");
    std::string upper = text;
    for (char& c : upper) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const ParsedNumber number = parseNumber(text);
    const ParsedNumber reference = referenceNumber(text);
    require(upperCased(text) == upper && number.kind == reference.kind &&
                number.value == reference.value,
            "upperCased changes a to z only, and parseNumber reads what the C library reads");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkText(text);
    std::string line;
    for (std::size_t at = 0; takeLine(text, at, line);) {
        checkText(line);
    }
    return 0;
}
