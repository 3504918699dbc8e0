#include "console/encoding.h"

#include <streambuf>

namespace {

// The upper half of code page 850, 0x80 to 0xFF, as Unicode characters.
const char16_t UPPER_HALF[128] = {
    u'\u00C7', u'\u00FC', u'\u00E9', u'\u00E2', u'\u00E4', u'\u00E0', u'\u00E5', u'\u00E7',  // 80
    u'\u00EA', u'\u00EB', u'\u00E8', u'\u00EF', u'\u00EE', u'\u00EC', u'\u00C4', u'\u00C5',  // 88
    u'\u00C9', u'\u00E6', u'\u00C6', u'\u00F4', u'\u00F6', u'\u00F2', u'\u00FB', u'\u00F9',  // 90
    u'\u00FF', u'\u00D6', u'\u00DC', u'\u00F8', u'\u00A3', u'\u00D8', u'\u00D7', u'\u0192',  // 98
    u'\u00E1', u'\u00ED', u'\u00F3', u'\u00FA', u'\u00F1', u'\u00D1', u'\u00AA', u'\u00BA',  // A0
    u'\u00BF', u'\u00AE', u'\u00AC', u'\u00BD', u'\u00BC', u'\u00A1', u'\u00AB', u'\u00BB',  // A8
    u'\u2591', u'\u2592', u'\u2593', u'\u2502', u'\u2524', u'\u00C1', u'\u00C2', u'\u00C0',  // B0
    u'\u00A9', u'\u2563', u'\u2551', u'\u2557', u'\u255D', u'\u00A2', u'\u00A5', u'\u2510',  // B8
    u'\u2514', u'\u2534', u'\u252C', u'\u251C', u'\u2500', u'\u253C', u'\u00E3', u'\u00C3',  // C0
    u'\u255A', u'\u2554', u'\u2569', u'\u2566', u'\u2560', u'\u2550', u'\u256C', u'\u00A4',  // C8
    u'\u00F0', u'\u00D0', u'\u00CA', u'\u00CB', u'\u00C8', u'\u0131', u'\u00CD', u'\u00CE',  // D0
    u'\u00CF', u'\u2518', u'\u250C', u'\u2588', u'\u2584', u'\u00A6', u'\u00CC', u'\u2580',  // D8
    u'\u00D3', u'\u00DF', u'\u00D4', u'\u00D2', u'\u00F5', u'\u00D5', u'\u00B5', u'\u00FE',  // E0
    u'\u00DE', u'\u00DA', u'\u00DB', u'\u00D9', u'\u00FD', u'\u00DD', u'\u00AF', u'\u00B4',  // E8
    u'\u00AD', u'\u00B1', u'\u2017', u'\u00BE', u'\u00B6', u'\u00A7', u'\u00F7', u'\u00B8',  // F0
    u'\u00B0', u'\u00A8', u'\u00B7', u'\u00B9', u'\u00B3', u'\u00B2', u'\u25A0', u'\u00A0',  // F8
};

// Length of the sequence a byte begins: 1 to 4, or 0 for a byte that cannot
// begin one (a continuation byte, or a lead of an overlong or too large form).
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The character whose sequence starts at `at`, setting `length`; length 0
// when no well-formed sequence starts there.
char32_t decodeAt(const std::string& text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = sequenceLength(lead);
    if (length == 0 || text.size() - at < length) {
        length = 0;
        return 0;
    }
    char32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if (!isContinuation(next)) {
            length = 0;
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    static const char32_t SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < SMALLEST[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        length = 0;
    }
    return codePoint;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        // Code page 850 has nothing beyond the basic plane.
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// Reads from the terminal's own buffer a whole line at a time and hands it on
// decoded, so a character split between two reads still arrives whole.
struct DecodingBuffer : std::streambuf {
    explicit DecodingBuffer(std::streambuf* from) : source(from) {}

    int_type underflow() override {
        if (gptr() == egptr()) {
            std::string raw;
            for (int_type c = source->sbumpc(); !traits_type::eq_int_type(c, traits_type::eof());
                 c = source->sbumpc()) {
                raw += traits_type::to_char_type(c);
                if (raw.back() == '\n')
                    break;
            }
            if (raw.empty())
                return traits_type::eof();
            line = utf8ToCp850(raw);
            setg(&line[0], &line[0], &line[0] + line.size());
        }
        return traits_type::to_int_type(*gptr());
    }

    std::streambuf* source;
    std::string line;
};

// Passes everything written straight on to the terminal's own buffer, encoded;
// it keeps nothing, so flushing is the target's flushing.
struct EncodingBuffer : std::streambuf {
    explicit EncodingBuffer(std::streambuf* to) : target(to) {}

    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        const std::string utf8 = cp850ToUtf8(std::string(bytes, static_cast<std::size_t>(count)));
        const auto size = static_cast<std::streamsize>(utf8.size());
        return target->sputn(utf8.data(), size) == size ? count : 0;
    }

    int sync() override { return target->pubsync(); }

    std::streambuf* target;
};

}  // namespace

char32_t cp850ToCodePoint(unsigned char byte) {
    return byte < 0x80 ? byte : UPPER_HALF[byte - 0x80];
}

char codePointToCp850(char32_t codePoint) {
    if (codePoint < 0x80)
        return static_cast<char>(codePoint);
    for (int i = 0; i < 128; ++i) {
        if (UPPER_HALF[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

std::string cp850ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        appendUtf8(out, cp850ToCodePoint(static_cast<unsigned char>(byte)));
    }
    return out;
}

std::string utf8ToCp850(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t at = 0;
    while (at < utf8.size()) {
        std::size_t length = 0;
        const char32_t codePoint = decodeAt(utf8, at, length);
        out += length == 0 ? '?' : codePointToCp850(codePoint);
        at += length == 0 ? 1 : length;
    }
    return out;
}

std::size_t utf8BytesMissing(const std::string& bytes) {
    std::size_t start = bytes.size();
    while (start > 0 && bytes.size() - start < 3 &&
           isContinuation(static_cast<unsigned char>(bytes[start - 1]))) {
        --start;
    }
    if (start == 0)
        return 0;
    const std::size_t length = sequenceLength(static_cast<unsigned char>(bytes[start - 1]));
    const std::size_t present = bytes.size() - start + 1;
    return length > present ? length - present : 0;
}

struct Utf8Console::Buffers {
    Buffers(std::streambuf* in, std::streambuf* out)
        : decoding(in), encoding(out), originalIn(in), originalOut(out) {}
    DecodingBuffer decoding;
    EncodingBuffer encoding;
    std::streambuf* originalIn;
    std::streambuf* originalOut;
};

Utf8Console::Utf8Console(std::istream& input, std::ostream& output)
    : in(input), out(output), buffers(new Buffers(input.rdbuf(), output.rdbuf())) {
    in.rdbuf(&buffers->decoding);
    out.rdbuf(&buffers->encoding);
}

Utf8Console::~Utf8Console() {
    out.flush();
    in.rdbuf(buffers->originalIn);
    out.rdbuf(buffers->originalOut);
}
