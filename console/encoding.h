#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

// The program holds every text as code page 850 bytes; a UTF-8 terminal shows
// and sends UTF-8. These conversions sit between the two, at the console only.

/// The Unicode character of a code page 850 byte (bytes below 0x80 are ASCII).
char32_t cp850ToCodePoint(unsigned char byte);

/// The code page 850 byte of a Unicode character, or '?' when the code page
/// has no such character.
char codePointToCp850(char32_t codePoint);

/// Console bytes written as UTF-8: each byte becomes its character's encoding.
std::string cp850ToUtf8(const std::string& bytes);

/// Typed UTF-8 as console bytes: a character that code page 850 has becomes its
/// byte; any other character becomes one '?', and so does every byte that does
/// not belong to a well-formed sequence (a stray, overlong or cut-short one).
std::string utf8ToCp850(const std::string& utf8);

/// How many more bytes the UTF-8 character at the end of `bytes` needs to be
/// whole; 0 when the bytes end with a whole character or with an invalid byte.
std::size_t utf8BytesMissing(const std::string& bytes);

/// While this value lives, `in` and `out` speak UTF-8 to the terminal: lines
/// read from `in` arrive as console bytes and console bytes written to `out`
/// leave as UTF-8. Installs translating buffers over the streams' own buffers
/// and puts those back, after flushing, when it ends.
struct Utf8Console {
    Utf8Console(std::istream& in, std::ostream& out);
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

    struct Buffers;
    std::istream& in;
    std::ostream& out;
    std::unique_ptr<Buffers> buffers;
};
