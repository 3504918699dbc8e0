#include "console/platform/charset_posix.h"

#include <langinfo.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <streambuf>

namespace {

const iconv_t NOT_OPEN = iconv_t(-1);

// The character set named by a locale name such as fi_FI.UTF-8@euro.
std::string codesetOfName(const std::string& name) {
    const std::size_t dot = name.find('.');
    return dot == std::string::npos ? "" : name.substr(dot + 1, name.find('@') - dot - 1);
}

// The set of the environment's locale, loaded or only named; empty when no
// name gives one.
std::string localeCodeset() {
    if (std::setlocale(LC_CTYPE, "") != nullptr)
        return ::nl_langinfo(CODESET);
    // A locale that is not installed still names the terminal's character set.
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return codesetOfName(value);
    }
    return "";
}

void closeAll(CharsetConversion& conversion) {
    for (iconv_t* cd : {&conversion.toTerminal, &conversion.fromTerminal, &conversion.measuring}) {
        if (*cd != NOT_OPEN)
            ::iconv_close(*cd);
        *cd = NOT_OPEN;
    }
}

// Runs `cd` over the whole of `text`. Where a character cannot be converted it
// writes '?' and goes on `skip(at, left)` bytes later.
template <typename Skip>
std::string convertAll(iconv_t cd, const std::string& text, Skip skip) {
    std::string out;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(text.data());
    std::size_t left = text.size();
    char buffer[512];
    while (left > 0) {
        char* to = buffer;
        std::size_t room = sizeof buffer;
        const bool stuck = ::iconv(cd, &in, &left, &to, &room) == std::size_t(-1) && errno != E2BIG;
        out.append(buffer, static_cast<std::size_t>(to - buffer));
        if (stuck) {
            out += '?';
            const std::size_t skipped = skip(in, left);
            in += skipped;
            left -= skipped;
        }
    }
    // Ends a shifted state the set may be left in.
    char* to = buffer;
    std::size_t room = sizeof buffer;
    ::iconv(cd, nullptr, nullptr, &to, &room);
    out.append(buffer, static_cast<std::size_t>(to - buffer));
    return out;
}

// How many bytes the terminal's character at `at` takes; 1 when none starts
// there (an invalid byte, or a sequence cut short).
std::size_t characterLength(iconv_t measuring, char* at, std::size_t left) {
    ::iconv(measuring, nullptr, nullptr, nullptr, nullptr);
    wchar_t character;
    char* to = reinterpret_cast<char*>(&character);
    std::size_t room = sizeof character;
    std::size_t rest = left;
    ::iconv(measuring, &at, &rest, &to, &room);
    return room == 0 ? left - rest : 1;
}

// Reads from the terminal's own buffer a whole line at a time and hands it on
// converted, so a character split between two reads still arrives whole.
struct DecodingBuffer : std::streambuf {
    DecodingBuffer(std::streambuf* from, CharsetConversion& charset)
        : source(from), conversion(charset) {}

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
            line = fromTerminal(conversion, raw);
            setg(&line[0], &line[0], &line[0] + line.size());
        }
        return traits_type::to_int_type(*gptr());
    }

    // Bytes waiting in the terminal's own buffer are typed input waiting, so a
    // script typed ahead is taken before the program secures the game.
    std::streamsize showmanyc() override { return source->in_avail(); }

    std::streambuf* source;
    CharsetConversion& conversion;
    std::string line;
};

// Passes everything written straight on to the terminal's own buffer, converted;
// it keeps nothing, so flushing is the target's flushing.
struct EncodingBuffer : std::streambuf {
    EncodingBuffer(std::streambuf* to, CharsetConversion& charset)
        : target(to), conversion(charset) {}

    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        const std::string converted =
            toTerminal(conversion, std::string(bytes, static_cast<std::size_t>(count)));
        const auto size = static_cast<std::streamsize>(converted.size());
        return target->sputn(converted.data(), size) == size ? count : 0;
    }

    int sync() override { return target->pubsync(); }

    std::streambuf* target;
    CharsetConversion& conversion;
};

}  // namespace

std::string terminalCharset(bool outputIsTerminal) {
    std::string codeset = localeCodeset();
    // Text handling stays byte by byte whatever the environment says.
    std::setlocale(LC_CTYPE, "C");
    if (codeset.empty() || codeset == "ANSI_X3.4-1968" || codeset == "ASCII")
        return outputIsTerminal ? "UTF-8" : "";
    return codeset;
}

CharsetConversion::~CharsetConversion() {
    closeAll(*this);
}

bool openCharset(CharsetConversion& conversion, const std::string& charset) {
    closeAll(conversion);  // what an earlier opening left open
    conversion.toTerminal = ::iconv_open(charset.c_str(), "CP850");
    conversion.fromTerminal = ::iconv_open("CP850", charset.c_str());
    conversion.measuring = ::iconv_open("WCHAR_T", charset.c_str());
    return conversion.toTerminal != NOT_OPEN && conversion.fromTerminal != NOT_OPEN &&
           conversion.measuring != NOT_OPEN;
}

std::string toTerminal(CharsetConversion& conversion, const std::string& bytes) {
    // Every console byte is one whole character.
    return convertAll(conversion.toTerminal, bytes, [](char*, std::size_t) { return 1; });
}

std::string fromTerminal(CharsetConversion& conversion, const std::string& typed) {
    return convertAll(conversion.fromTerminal, typed, [&](char* at, std::size_t left) {
        return characterLength(conversion.measuring, at, left);
    });
}

bool endsInsideCharacter(CharsetConversion& conversion, const std::string& typed) {
    ::iconv(conversion.measuring, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(typed.data());
    std::size_t left = typed.size();
    std::wstring characters(typed.size(), L'\0');
    char* to = reinterpret_cast<char*>(&characters[0]);
    std::size_t room = characters.size() * sizeof(wchar_t);
    return ::iconv(conversion.measuring, &in, &left, &to, &room) == std::size_t(-1) &&
           errno == EINVAL;
}

struct ConvertedStreams::Buffers {
    Buffers(std::streambuf* in, std::streambuf* out, CharsetConversion& conversion)
        : decoding(in, conversion), encoding(out, conversion), originalIn(in), originalOut(out) {}
    DecodingBuffer decoding;
    EncodingBuffer encoding;
    std::streambuf* originalIn;
    std::streambuf* originalOut;
};

ConvertedStreams::ConvertedStreams(std::istream& input, std::ostream& output,
                                   CharsetConversion& conversion)
    : in(input), out(output), buffers(new Buffers(input.rdbuf(), output.rdbuf(), conversion)) {
    in.rdbuf(&buffers->decoding);
    out.rdbuf(&buffers->encoding);
}

ConvertedStreams::~ConvertedStreams() {
    in.rdbuf(buffers->originalIn);
    out.rdbuf(buffers->originalOut);
}
