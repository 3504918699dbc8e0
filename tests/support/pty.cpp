#include "support/pty.h"
#include "support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// Reads whatever the terminal shows within `milliseconds`.
void readScreen(PtySession& session, int milliseconds) {
    pollfd output{session.master, POLLIN, 0};
    if (poll(&output, 1, milliseconds) <= 0)
        return;
    char buffer[4096];
    const ssize_t count = read(session.master, buffer, sizeof buffer);
    if (count > 0)
        session.screen.append(buffer, static_cast<std::size_t>(count));
}

bool ended(PtySession& session) {
    int status = 0;
    if (session.child < 0 || waitpid(session.child, &status, WNOHANG) != session.child) {
        return session.child < 0;
    }
    session.child = -1;
    session.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    session.endSignal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return true;
}

}  // namespace

PtySession::~PtySession() {
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    if (slave >= 0)
        close(slave);
    if (master >= 0)
        close(master);
}

bool startOnPty(PtySession& session, const std::vector<std::string>& command,
                const std::vector<std::string>& environment) {
    winsize size{40, 100, 0, 0};
    const pid_t child = forkpty(&session.master, nullptr, nullptr, &size);
    if (child == 0) {
        setenv("LC_ALL", "C.UTF-8", 1);
        for (const std::string& setting : environment) {
            putenv(strdup(setting.c_str()));
        }
        std::vector<char*> argv;
        for (const std::string& word : command)
            argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    if (child < 0)
        return false;
    session.child = child;
    session.slave = open(ptsname(session.master), O_RDWR | O_NOCTTY);
    return session.slave >= 0;
}

bool expect(PtySession& session, const std::string& text, double seconds) {
    const double deadline = monotonicSeconds() + seconds;
    for (;;) {
        const std::size_t at = session.screen.find(text, session.seen);
        if (at != std::string::npos) {
            session.seen = at + text.size();
            return true;
        }
        if (monotonicSeconds() > deadline)
            return false;
        readScreen(session, 20);
    }
}

void type(PtySession& session, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count = write(session.master, bytes.data() + sent, bytes.size() - sent);
        if (count < 0 && errno != EINTR)
            return;
        if (count > 0)
            sent += static_cast<std::size_t>(count);
    }
}

bool waitForKeyMode(PtySession& session, double seconds) {
    const double deadline = monotonicSeconds() + seconds;
    while ((terminalMode(session).c_lflag & (ICANON | ECHO)) != 0) {
        if (monotonicSeconds() > deadline)
            return false;
        readScreen(session, 10);
    }
    return true;
}

termios terminalMode(const PtySession& session) {
    termios mode{};
    tcgetattr(session.slave, &mode);
    return mode;
}

bool sameMode(const termios& a, const termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag &&
           a.c_lflag == b.c_lflag && std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

bool waitForEnd(PtySession& session, double seconds) {
    const double deadline = monotonicSeconds() + seconds;
    while (!ended(session)) {
        if (monotonicSeconds() > deadline) {
            kill(session.child, SIGKILL);
            waitpid(session.child, nullptr, 0);
            session.child = -1;
            return false;
        }
        readScreen(session, 20);
    }
    // What the program wrote last may still wait in the terminal.
    std::size_t before;
    do {
        before = session.screen.size();
        readScreen(session, 50);
    } while (session.screen.size() != before);
    return true;
}
