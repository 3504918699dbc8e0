#include "support/session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

double now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

[[noreturn]] void exec(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

}  // namespace

Session::~Session() {
    for (const int fd : {toProgram, fromProgram, terminal}) {
        close(fd);
    }
    if (pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

bool start(Session& session, const std::string& directory) {
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
        return false;
    }
    signal(SIGPIPE, SIG_IGN);
    session.pid = fork();
    if (session.pid == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        setenv("LC_ALL", "C", 1);
        const char* program = std::getenv("VASKI_PROGRAM");
        std::istringstream line(program != nullptr ? program : VASKI_BINARY);
        std::vector<std::string> words;
        for (std::string word; line >> word;) {
            words.push_back(word);
        }
        if (chdir(directory.c_str()) != 0 || words.empty()) {
            _exit(126);
        }
        exec(words);
    }
    close(in[0]);
    close(out[1]);
    session.toProgram = in[1];
    session.fromProgram = out[0];
    return session.pid > 0;
}

bool startOnTerminal(Session& session, const std::vector<std::string>& command,
                     const std::string& setting) {
    winsize size{40, 100, 0, 0};
    session.pid = forkpty(&session.fromProgram, nullptr, nullptr, &size);
    if (session.pid == 0) {
        setenv("LC_ALL", "C.UTF-8", 1);
        putenv(strdup(setting.c_str()));
        exec(command);
    }
    session.toProgram = dup(session.fromProgram);
    session.terminal = open(ptsname(session.fromProgram), O_RDWR | O_NOCTTY);
    return session.pid > 0 && session.terminal >= 0;
}

bool send(Session& session, const std::string& input) {
    const ssize_t count = write(session.toProgram, input.data(), input.size());
    return count == static_cast<ssize_t>(input.size());
}

int readSome(Session& session, int milliseconds) {
    pollfd fd{session.fromProgram, POLLIN, 0};
    if (poll(&fd, 1, milliseconds) <= 0) {
        return 0;
    }
    char buffer[65536];
    const ssize_t count = read(session.fromProgram, buffer, sizeof buffer);
    session.output.append(buffer, count > 0 ? static_cast<std::size_t>(count) : 0);
    return count > 0 ? static_cast<int>(count) : count < 0 && errno == EINTR ? 0 : -1;
}

bool waitFor(Session& session, const std::string& text, double seconds) {
    const double deadline = now() + seconds;
    std::size_t at;
    while ((at = session.output.find(text, session.seen)) == std::string::npos) {
        if (now() > deadline || readSome(session, 20) < 0) {
            return false;
        }
    }
    session.seen = at + text.size();
    return true;
}

bool finish(Session& session, double seconds) {
    close(session.toProgram);
    session.toProgram = -1;
    const double deadline = now() + seconds;
    int status = 0;
    while (waitpid(session.pid, &status, WNOHANG) != session.pid) {
        if (now() > deadline) {
            return false;  // the destructor kills it
        }
        readSome(session, 20);
    }
    session.pid = -1;
    while (readSome(session, 50) > 0) {
    }
    session.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return WIFEXITED(status);
}
