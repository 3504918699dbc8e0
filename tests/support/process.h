#pragma once

#include <string>

/// How the built program ended when run as a process.
struct ProcessResult {
    std::string output;   ///< everything it wrote to standard output
    int exitStatus = -1;  ///< exit status, or -1 when it did not exit normally
    bool timedOut = false;
};

struct ProcessOptions {
    std::string directory = ".";   ///< working directory
    long fileSizeLimit = -1;       ///< RLIMIT_FSIZE in bytes, -1 for none
    double timeoutSeconds = 10.0;  ///< killed after this long
};

/// Runs the built program (or the command in the environment variable
/// VASKI_PROGRAM, words split on blanks, when it is set) with `input` on its standard input (a pipe, closed
/// at the end) and LC_ALL=C, and collects its output.
ProcessResult runProgram(const std::string& input, const ProcessOptions& options = {});

/// In a forked child: makes the two descriptors its standard input and output,
/// enters options.directory, applies the file size limit (SIGXFSZ ignored, so
/// writes past it fail with EFBIG) and runs the program with LC_ALL=C.
[[noreturn]] void execProgram(int inputFd, int outputFd, const ProcessOptions& options);

/// Seconds on the monotonic clock, for the runners' deadlines.
double monotonicSeconds();
