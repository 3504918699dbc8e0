#include "console/platform/terminal.h"

#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <string>

#include "console/platform/charset_posix.h"
#include "console/platform/key.h"

namespace {

// The terminal's mode before the wait, and the mode the wait reads the key in.
struct termios savedMode;
struct termios keyMode;
volatile std::sig_atomic_t modeSaved = 0;

const int HANDLED_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};

// The terminal's character set while TerminalStreams converts it; null when
// bytes pass unchanged.
CharsetConversion* keyCharset = nullptr;

// How long the rest of a key that arrived cut short may take, in milliseconds.
constexpr int KEY_REST_WAIT = 100;

void setHandler(int signal, void (*handler)(int), struct sigaction* previous) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    for (const int other : HANDLED_SIGNALS) {
        sigaddset(&action.sa_mask, other);
    }
    ::sigaction(signal, &action, previous);
}

// Puts the terminal back as it was, then lets the signal end the program as it
// would have without us.
void restoreAndReraise(int signal) {
    if (modeSaved != 0) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    }
    setHandler(signal, SIG_DFL, nullptr);
    std::raise(signal);
}

// Ctrl-Z: the shell gets the terminal back as it was; once the program is
// continued, the wait takes its key mode again and goes on waiting.
void stopWithModeRestored(int signal) {
    const int savedErrno = errno;
    if (modeSaved != 0) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    }
    setHandler(signal, SIG_DFL, nullptr);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, signal);
    ::sigprocmask(SIG_UNBLOCK, &stop, nullptr);
    std::raise(signal);  // stops here until continued
    ::sigprocmask(SIG_BLOCK, &stop, nullptr);
    setHandler(signal, stopWithModeRestored, nullptr);
    if (modeSaved != 0) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &keyMode);
    }
    errno = savedErrno;
}

// Catches the signals that would leave the terminal without echo; a signal the
// program was started to ignore stays ignored.
void setSignalHandlers(struct sigaction* previous) {
    for (std::size_t i = 0; i < std::size(HANDLED_SIGNALS); ++i) {
        const int signal = HANDLED_SIGNALS[i];
        ::sigaction(signal, nullptr, &previous[i]);
        if (previous[i].sa_handler != SIG_IGN) {
            setHandler(signal, signal == SIGTSTP ? stopWithModeRestored : restoreAndReraise,
                       nullptr);
        }
    }
}

void restoreSignalHandlers(const struct sigaction* previous) {
    for (std::size_t i = 0; i < std::size(HANDLED_SIGNALS); ++i) {
        ::sigaction(HANDLED_SIGNALS[i], &previous[i], nullptr);
    }
}

// Waits until the descriptor is ready for `events`, at most `milliseconds`
// (-1: without a limit), going on after a signal. False when it is not.
bool readyWithin(int descriptor, short events, int milliseconds) {
    pollfd file{descriptor, events, 0};
    int ready;
    do {
        ready = ::poll(&file, 1, milliseconds);
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// Reads one key whole. False when the terminal gives no more input.
bool readKey() {
    std::string key;
    for (;;) {
        char bytes[16];
        const ssize_t count = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return !key.empty();
        key.append(bytes, static_cast<std::size_t>(count));
        const bool insideCharacter = keyCharset != nullptr && endsInsideCharacter(*keyCharset, key);
        if (!keyIncomplete(key, insideCharacter) ||
            !readyWithin(STDIN_FILENO, POLLIN, KEY_REST_WAIT))
            return true;
    }
}

}  // namespace

bool waitForKeyPress() {
    if (::tcgetattr(STDIN_FILENO, &savedMode) != 0) {
        return false;
    }
    keyMode = savedMode;
    keyMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    keyMode.c_cc[VMIN] = 1;
    keyMode.c_cc[VTIME] = 0;
    struct sigaction previous[std::size(HANDLED_SIGNALS)];
    modeSaved = 1;
    setSignalHandlers(previous);
    ::tcsetattr(STDIN_FILENO, TCSANOW, &keyMode);

    const bool pressed = readKey();

    ::tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    modeSaved = 0;
    restoreSignalHandlers(previous);
    return pressed;
}

// Writes what the program prints to standard output whole: it waits while a
// non-blocking output is full and goes on after a signal. Once the output is
// gone for good (closed, or failing) it fails, and the game ends as at the
// end of input.
struct OutputBuffer : std::streambuf {
    OutputBuffer() { setp(bytes, bytes + sizeof bytes); }

    int_type overflow(int_type c) override {
        if (!drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return drain() ? 0 : -1; }

    bool drain() {
        const char* at = pbase();
        bool writing = true;
        while (writing && at < pptr()) {
            const ssize_t count = ::write(STDOUT_FILENO, at, static_cast<std::size_t>(pptr() - at));
            if (count > 0) {
                at += count;
            } else if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                writing = readyWithin(STDOUT_FILENO, POLLOUT, -1);  // until it can take more
            } else {
                writing = count < 0 && errno == EINTR;
            }
        }
        setp(bytes, bytes + sizeof bytes);
        return writing;
    }

    char bytes[4096];
};

struct TerminalStreams::Platform {
    std::ostream* out = nullptr;
    std::streambuf* original = nullptr;
    OutputBuffer output;
    CharsetConversion conversion;
    std::unique_ptr<ConvertedStreams> converted;
};

TerminalStreams::TerminalStreams(std::istream& in, std::ostream& out) : platform(new Platform) {
    // A closed output is told by the write that fails, not by a signal that
    // would end the program before the game is secured.
    std::signal(SIGPIPE, SIG_IGN);
    platform->out = &out;
    platform->original = out.rdbuf(&platform->output);
    const std::string charset = terminalCharset(::isatty(STDOUT_FILENO) == 1);
    // A set iconv does not know leaves the bytes unchanged.
    if (charset.empty() || !openCharset(platform->conversion, charset))
        return;
    platform->converted.reset(new ConvertedStreams(in, out, platform->conversion));
    keyCharset = &platform->conversion;
}

TerminalStreams::~TerminalStreams() {
    keyCharset = nullptr;
    platform->converted.reset();
    platform->out->flush();
    platform->out->rdbuf(platform->original);
}

bool inputIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}
