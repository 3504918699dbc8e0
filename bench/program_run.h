#pragma once

// Runs the built program as a whole process, timed, for the benchmarks that
// drive it from outside.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

struct ProgramRun {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time of the program alone
    long peakKilobytes = 0;
    bool ok = false;  // ended with status 0
};

/// Runs `program` in `directory` with the file `input` as its standard input,
/// its output thrown away, and LC_ALL set to `locale`.
inline ProgramRun runProgram(const std::string& program, const std::string& directory,
                             const std::string& input, const char* locale) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int in = open(input.c_str(), O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || chdir(directory.c_str()) != 0) {
            _exit(126);
        }
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        setenv("LC_ALL", locale, 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    ProgramRun run;
    if (child > 0 && wait4(child, &status, 0, &usage) == child) {
        run.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        run.peakKilobytes = usage.ru_maxrss;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    return run;
}
