#include "report/file_text.h"

#include <utility>

namespace {

// The console's code page 850 byte of each Finnish letter, and its file byte.
const std::pair<char, char> FILE_LETTERS[] = {
    {'\x84', '\xE4'},  // ä
    {'\x94', '\xF6'},  // ö
    {'\x86', '\xE5'},  // å
    {'\x8E', '\xC4'},  // Ä
    {'\x99', '\xD6'},  // Ö
    {'\x8F', '\xC5'},  // Å
};

}  // namespace

std::string toFileText(std::string text) {
    for (char& c : text) {
        for (const auto& [consoleByte, fileByte] : FILE_LETTERS) {
            if (c == consoleByte) {
                c = fileByte;
                break;
            }
        }
    }
    return text;
}
