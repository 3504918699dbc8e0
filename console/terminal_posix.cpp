#include "console/terminal.h"

#include <cerrno>
#include <csignal>
#include <termios.h>
#include <unistd.h>

namespace {

struct termios savedMode;
volatile std::sig_atomic_t modeSaved = 0;
const int RESTORING_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Puts the terminal back as it was, then lets the signal end the program as it
// would have without us.
void restoreAndReraise(int signal) {
    if (modeSaved != 0) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void setSignalHandlers(void (*handler)(int), struct sigaction* previous) {
    for (int i = 0; i < 4; ++i) {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset(&action.sa_mask);
        ::sigaction(RESTORING_SIGNALS[i], &action, &previous[i]);
    }
}

void restoreSignalHandlers(const struct sigaction* previous) {
    for (int i = 0; i < 4; ++i) {
        ::sigaction(RESTORING_SIGNALS[i], &previous[i], nullptr);
    }
}

}  // namespace

bool inputIsTerminal() { return ::isatty(STDIN_FILENO) == 1; }

bool waitForKeyPress() {
    if (::tcgetattr(STDIN_FILENO, &savedMode) != 0) {
        return false;
    }
    struct sigaction previous[4];
    modeSaved = 1;
    setSignalHandlers(restoreAndReraise, previous);

    struct termios raw = savedMode;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    ::tcsetattr(STDIN_FILENO, TCSANOW, &raw);

    // A key may send several bytes (arrows, UTF-8 letters); take them together.
    char keys[16];
    ssize_t count;
    do {
        count = ::read(STDIN_FILENO, keys, sizeof keys);
    } while (count < 0 && errno == EINTR);

    ::tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    modeSaved = 0;
    restoreSignalHandlers(previous);
    return count > 0;
}
