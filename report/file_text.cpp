#include "report/file_text.h"

namespace {

// The ISO 8859-1 byte of each code page 850 byte from 0x80 up, "?" where
// ISO 8859-1 lacks the character. Without it a copied byte would land among
// the file's C1 control codes (0x80 to 0x9F) or on another letter.
// clang-format off
const char FILE_BYTES[128] = {
    '\xC7', '\xFC', '\xE9', '\xE2', '\xE4', '\xE0', '\xE5', '\xE7',  // 80
    '\xEA', '\xEB', '\xE8', '\xEF', '\xEE', '\xEC', '\xC4', '\xC5',  // 88
    '\xC9', '\xE6', '\xC6', '\xF4', '\xF6', '\xF2', '\xFB', '\xF9',  // 90
    '\xFF', '\xD6', '\xDC', '\xF8', '\xA3', '\xD8', '\xD7', '?'   ,  // 98
    '\xE1', '\xED', '\xF3', '\xFA', '\xF1', '\xD1', '\xAA', '\xBA',  // A0
    '\xBF', '\xAE', '\xAC', '\xBD', '\xBC', '\xA1', '\xAB', '\xBB',  // A8
    '?'   , '?'   , '?'   , '?'   , '?'   , '\xC1', '\xC2', '\xC0',  // B0
    '\xA9', '?'   , '?'   , '?'   , '?'   , '\xA2', '\xA5', '?'   ,  // B8
    '?'   , '?'   , '?'   , '?'   , '?'   , '?'   , '\xE3', '\xC3',  // C0
    '?'   , '?'   , '?'   , '?'   , '?'   , '?'   , '?'   , '\xA4',  // C8
    '\xF0', '\xD0', '\xCA', '\xCB', '\xC8', '?'   , '\xCD', '\xCE',  // D0
    '\xCF', '?'   , '?'   , '?'   , '?'   , '\xA6', '\xCC', '?'   ,  // D8
    '\xD3', '\xDF', '\xD4', '\xD2', '\xF5', '\xD5', '\xB5', '\xFE',  // E0
    '\xDE', '\xDA', '\xDB', '\xD9', '\xFD', '\xDD', '\xAF', '\xB4',  // E8
    '\xAD', '\xB1', '?'   , '\xBE', '\xB6', '\xA7', '\xF7', '\xB8',  // F0
    '\xB0', '\xA8', '\xB7', '\xB9', '\xB3', '\xB2', '?'   , '\xA0',  // F8
};
// clang-format on

}  // namespace

std::string toFileText(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            c = FILE_BYTES[byte - 0x80];
        }
    }
    return text;
}
