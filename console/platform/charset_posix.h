#pragma once

#include <iconv.h>

#include <istream>
#include <memory>
#include <ostream>
#include <string>

// The program holds every text as code page 850 bytes; a terminal shows and
// sends the character set of its locale. On POSIX systems the C library's
// iconv converts between the two, at the console only.

/// The character set the terminal speaks, as iconv names it, from the locale
/// the environment names (LC_ALL, LC_CTYPE, LANG): the locale's own set when
/// the locale can be loaded, else the set its name gives (UTF-8 for
/// fi_FI.UTF-8@euro). The C or POSIX locale (ASCII), or a name that gives no
/// set, counts as UTF-8 when `outputIsTerminal`, and as no conversion at all
/// (empty: bytes pass unchanged) when not. The C library is left in its default
/// locale afterwards, so text handling stays byte by byte.
std::string terminalCharset(bool outputIsTerminal);

/// The conversions between code page 850 and one terminal character set.
/// Closes its conversions when it ends.
struct CharsetConversion {
    CharsetConversion() = default;
    ~CharsetConversion();
    CharsetConversion(const CharsetConversion&) = delete;
    CharsetConversion& operator=(const CharsetConversion&) = delete;

    iconv_t toTerminal = iconv_t(-1);
    iconv_t fromTerminal = iconv_t(-1);
    iconv_t measuring = iconv_t(-1);  ///< the terminal's bytes to wide characters
};

/// Opens the conversions for `charset`; false when iconv does not know it.
bool openCharset(CharsetConversion& conversion, const std::string& charset);

/// Console bytes as the terminal's bytes; a character the terminal's set lacks
/// becomes '?'.
std::string toTerminal(CharsetConversion& conversion, const std::string& bytes);

/// Typed bytes as console bytes: a character code page 850 lacks becomes one
/// '?', and so does every byte of an invalid or cut-short sequence.
std::string fromTerminal(CharsetConversion& conversion, const std::string& typed);

/// True when `typed` ends inside a character: the first bytes of a character
/// of several bytes have come, the rest not yet.
bool endsInsideCharacter(CharsetConversion& conversion, const std::string& typed);

/// While this value lives, `in` and `out` speak the terminal's character set:
/// lines read from `in` arrive as console bytes, and console bytes written to
/// `out` leave converted. Installs converting buffers over the streams' own
/// buffers and puts those back when it ends (the converting buffers hold
/// nothing written: it has gone on to the streams' own).
struct ConvertedStreams {
    ConvertedStreams(std::istream& in, std::ostream& out, CharsetConversion& conversion);
    ~ConvertedStreams();
    ConvertedStreams(const ConvertedStreams&) = delete;
    ConvertedStreams& operator=(const ConvertedStreams&) = delete;

    struct Buffers;
    std::istream& in;
    std::ostream& out;
    std::unique_ptr<Buffers> buffers;
};
