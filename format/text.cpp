#include "format/text.h"

#include <algorithm>

bool isWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), isWhitespace);
}

std::string trimmed(std::string text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isWhitespace);
    text.erase(text.begin(), first);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isWhitespace);
    text.erase(last.base(), text.end());
    return text;
}

std::string withoutControlBytes(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = '?';
        }
    }
    return text;
}

std::string upperCased(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

bool takeLine(const std::string& text, std::size_t& at, std::string& line) {
    if (at >= text.size()) {
        return false;
    }
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) {
        end = text.size();
    }
    line.assign(text, at, end - at);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    at = end < text.size() ? end + 1 : end;
    return true;
}
