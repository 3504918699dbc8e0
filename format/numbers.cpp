#include "format/numbers.h"

#include <cstdint>

#include "format/text.h"

std::string unsignedToText(std::uint32_t n) {
    // Digits are written from the right into a buffer long enough for 2^32 - 1.
    char digits[10];
    char* first = digits + sizeof digits;
    do {
        *--first = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return std::string(first, digits + sizeof digits);
}

std::string signedToText(std::int32_t n) {
    if (n >= 0) {
        return unsignedToText(static_cast<std::uint32_t>(n));
    }
    // Two's-complement negation read as unsigned, so the lowest value keeps its digits.
    return "-" + unsignedToText(0u - static_cast<std::uint32_t>(n));
}

std::string twoDigitText(std::uint32_t n) {
    return n <= 9 ? "0" + unsignedToText(n) : unsignedToText(n);
}

std::string decimalToText(double x, std::uint32_t decimals) {
    // Outside 0 .. 2^32 the integer conversion would be undefined; no figure gets there.
    if (!(x >= 0.0)) {
        x = 0.0;
    }
    if (x >= 4294967296.0) {
        x = 4294967295.0;
    }
    const std::uint32_t whole = static_cast<std::uint32_t>(x);
    std::string text = unsignedToText(whole);
    double fraction = x - whole;
    if (decimals != 0) {
        text += '.';
    }
    for (std::uint32_t i = 0; i < decimals; ++i) {
        fraction = fraction * 10;
        const std::uint32_t digit = static_cast<std::uint32_t>(fraction);
        text += unsignedToText(digit);
        fraction = fraction - digit;
    }
    return text;
}

std::string padRight(std::string text, std::uint32_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string decimalToColumn(double x, std::uint32_t width) {
    return padRight(decimalToText(x, 2), width);
}

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
