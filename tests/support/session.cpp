#include "support/session.h"

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// Reads what came within `milliseconds`: 1 for some bytes, 0 for none, -1
// once the output has ended.
int readSome(Session& session, int milliseconds) {
    pollfd fd{session.terminal, POLLIN, 0};
    if (poll(&fd, 1, milliseconds) <= 0) {
        return 0;
    }
    char buffer[65536];
    const ssize_t count = read(session.terminal, buffer, sizeof buffer);
    session.output.append(buffer, count > 0 ? static_cast<std::size_t>(count) : 0);
    return count > 0 ? 1 : -1;
}

}  // namespace

Session::~Session() {
    close(terminal);
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool startShell(Session& session) {
    winsize size{40, 100, 0, 0};
    session.pid = forkpty(&session.terminal, nullptr, nullptr, &size);
    if (session.pid == 0) {
        setenv("LC_ALL", "C.UTF-8", 1);
        setenv("PS1", "shell$ ", 1);
        execl("/bin/bash", "bash", "--norc", "--noprofile", "--noediting", "-i", nullptr);
        _exit(127);
    }
    return session.pid > 0;
}

bool send(Session& session, const std::string& input) {
    return write(session.terminal, input.data(), input.size()) ==
           static_cast<ssize_t>(input.size());
}

bool waitFor(Session& session, const std::string& text, double seconds) {
    std::size_t at;
    // Each try waits up to 20 ms.
    for (int tries = 0; (at = session.output.find(text, session.seen)) == std::string::npos;
         ++tries) {
        if (tries > seconds * 50 || readSome(session, 20) < 0) {
            return false;
        }
    }
    session.seen = at + text.size();
    return true;
}
