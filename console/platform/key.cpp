#include "console/platform/key.h"

namespace {

// Longer than any key's escape sequence: bytes beyond it are no key's rest.
constexpr std::size_t LONGEST_KEY = 32;

}  // namespace

bool keyIncomplete(const std::string& key, bool insideCharacter) {
    if (key.empty() || key.size() >= LONGEST_KEY) {
        return false;
    }
    if (insideCharacter) {
        return true;
    }
    if (key[0] != '\x1b') {
        return false;
    }
    if (key.size() == 1) {
        return true;
    }
    if (key[1] != '[' && key[1] != 'O') {
        return false;  // Alt with a key
    }
    if (key.size() == 2) {
        return true;
    }
    // A CSI sequence ends with its final byte, 0x40 to 0x7E; SS3 takes one.
    const auto last = static_cast<unsigned char>(key.back());
    return key[1] == '[' && (last < 0x40 || last > 0x7E);
}
