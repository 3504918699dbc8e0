#include "report/file_text.h"

std::string toFileText(std::string text) {
    for (char& c : text) {
        switch (static_cast<unsigned char>(c)) {
            case 0x84:
                c = '\xE4';
                break;  // ä
            case 0x94:
                c = '\xF6';
                break;  // ö
            case 0x86:
                c = '\xE5';
                break;  // å
            case 0x8E:
                c = '\xC4';
                break;  // Ä
            case 0x99:
                c = '\xD6';
                break;  // Ö
            case 0x8F:
                c = '\xC5';
                break;  // Å
            default:
                break;
        }
    }
    return text;
}
