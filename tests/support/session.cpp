#include "support/session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

// Reads what the program has written within `seconds`; false once it has
// closed its output.
bool readSome(Session& session, double seconds) {
    pollfd fd{session.fromProgram, POLLIN, 0};
    const int ready = poll(&fd, 1, static_cast<int>(seconds * 1000) + 1);
    if (ready <= 0) {
        return ready == 0 || errno == EINTR;
    }
    char buffer[65536];
    const ssize_t count = read(session.fromProgram, buffer, sizeof buffer);
    if (count <= 0) {
        return false;
    }
    session.output.append(buffer, static_cast<std::size_t>(count));
    return true;
}

void closeInput(Session& session) {
    if (session.toProgram >= 0) {
        close(session.toProgram);
        session.toProgram = -1;
    }
}

}  // namespace

Session::~Session() {
    closeInput(*this);
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (fromProgram >= 0) {
        close(fromProgram);
    }
}

bool start(Session& session, const ProcessOptions& options) {
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
        return false;
    }
    signal(SIGPIPE, SIG_IGN);
    session.pid = fork();
    if (session.pid == 0) {
        execProgram(in[0], out[1], options);
    }
    close(in[0]);
    close(out[1]);
    // Writes never block, so a program busy printing cannot stall the test.
    fcntl(in[1], F_SETFL, O_NONBLOCK);
    session.toProgram = in[1];
    session.fromProgram = out[0];
    return session.pid > 0;
}

bool send(Session& session, const std::string& input) {
    std::size_t sent = 0;
    while (sent < input.size() && session.toProgram >= 0) {
        // The program may print a lot while it reads; keep its output flowing.
        pollfd fds[2] = {{session.toProgram, POLLOUT, 0}, {session.fromProgram, POLLIN, 0}};
        if (poll(fds, 2, 1000) < 0 && errno != EINTR) {
            return false;
        }
        if (fds[1].revents != 0 && !readSome(session, 0)) {
            return false;
        }
        if (fds[0].revents & (POLLERR | POLLHUP)) {
            return false;
        }
        if (fds[0].revents & POLLOUT) {
            const ssize_t count =
                write(session.toProgram, input.data() + sent, input.size() - sent);
            if (count < 0 && errno != EAGAIN && errno != EINTR) {
                return false;
            }
            sent += count > 0 ? static_cast<std::size_t>(count) : 0;
        }
    }
    return sent == input.size();
}

bool waitFor(Session& session, const std::string& text, double seconds) {
    const double deadline = monotonicSeconds() + seconds;
    for (;;) {
        const std::size_t at = session.output.find(text, session.seen);
        if (at != std::string::npos) {
            session.seen = at + text.size();
            return true;
        }
        const double left = deadline - monotonicSeconds();
        if (left <= 0 || !readSome(session, left)) {
            return false;
        }
    }
}

bool finish(Session& session, double seconds) {
    closeInput(session);
    const double deadline = monotonicSeconds() + seconds;
    while (monotonicSeconds() < deadline && readSome(session, deadline - monotonicSeconds())) {
    }
    // Output closed: the program is ending; give it the rest of the time to exit.
    int status = 0;
    while (monotonicSeconds() < deadline) {
        const pid_t done = waitpid(session.pid, &status, WNOHANG);
        if (done == session.pid) {
            session.pid = -1;
            session.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            return WIFEXITED(status);
        }
        usleep(1000);
    }
    return false;
}
