#include "support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// Feeds the input and gathers the output without either pipe filling up.
void pump(int toChild, int fromChild, const std::string& input, pid_t child, double timeout,
          ProcessResult& result) {
    std::size_t sent = 0;
    const double start = monotonicSeconds();
    if (input.empty()) {
        close(toChild);
        toChild = -1;
    }
    for (;;) {
        pollfd fds[2] = {{fromChild, POLLIN, 0}, {toChild, POLLOUT, 0}};
        if (poll(fds, toChild >= 0 ? 2 : 1, 50) < 0 && errno != EINTR) {
            break;
        }
        if (fds[0].revents != 0) {
            char buffer[65536];
            const ssize_t count = read(fromChild, buffer, sizeof buffer);
            if (count <= 0) {
                break;
            }
            result.output.append(buffer, static_cast<std::size_t>(count));
        }
        if (toChild >= 0 && fds[1].revents != 0) {
            const ssize_t count = write(toChild, input.data() + sent, input.size() - sent);
            if (count > 0) {
                sent += static_cast<std::size_t>(count);
            }
            if (count < 0 || sent == input.size()) {
                close(toChild);
                toChild = -1;
            }
        }
        if (monotonicSeconds() - start > timeout) {
            result.timedOut = true;
            kill(child, SIGKILL);
            break;
        }
    }
    if (toChild >= 0) {
        close(toChild);
    }
}

}  // namespace

ProcessResult runProgram(const std::string& input, const ProcessOptions& options) {
    ProcessResult result;
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0) {
        return result;
    }
    const pid_t child = fork();
    if (child == 0) {
        execProgram(in[0], out[1], options);
    }
    close(in[0]);
    close(out[1]);
    signal(SIGPIPE, SIG_IGN);
    pump(in[1], out[0], input, child, options.timeoutSeconds, result);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status)) {
        result.exitStatus = WEXITSTATUS(status);
    }
    return result;
}

[[noreturn]] void execProgram(int inputFd, int outputFd, const ProcessOptions& options) {
    dup2(inputFd, STDIN_FILENO);
    dup2(outputFd, STDOUT_FILENO);
    if (chdir(options.directory.c_str()) != 0) {
        _exit(126);
    }
    if (options.fileSizeLimit >= 0) {
        // Writes past the limit then fail with EFBIG instead of killing the program.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{static_cast<rlim_t>(options.fileSizeLimit),
                     static_cast<rlim_t>(options.fileSizeLimit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    setenv("LC_ALL", "C", 1);
    // VASKI_PROGRAM names another command for the same program, such as the
    // Windows build run under wine; its words are split on blanks.
    const char* program = std::getenv("VASKI_PROGRAM");
    std::istringstream words(program != nullptr ? program : VASKI_BINARY);
    std::vector<std::string> command;
    for (std::string word; words >> word;) {
        command.push_back(word);
    }
    std::vector<char*> argv;
    for (std::string& word : command) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

double monotonicSeconds() {
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}
