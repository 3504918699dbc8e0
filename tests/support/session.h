#pragma once

#include <sys/types.h>

#include <string>

#include "support/process.h"

/// The built program run step by step on pipes: the test writes some input,
/// waits until given output has appeared, acts on the file system, and goes on.
struct Session {
    Session() = default;
    ~Session();  // kills and reaps a program still running
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    pid_t pid = -1;
    int toProgram = -1;
    int fromProgram = -1;
    std::string output;    ///< everything the program has written so far
    std::size_t seen = 0;  ///< where the next waitFor starts looking
    int exitStatus = -1;   ///< set by finish when the program exited by itself
};

/// Starts the program with LC_ALL=C in options.directory, with the file size
/// limit of options.fileSizeLimit (SIGXFSZ ignored). True when it started.
bool start(Session& session, const ProcessOptions& options);

/// Writes `input` to the program's standard input; true when all of it went.
bool send(Session& session, const std::string& input);

/// Reads output until `text` appears after the previous match, then moves the
/// search past it. False when the program ends or `seconds` pass first.
bool waitFor(Session& session, const std::string& text, double seconds = 5.0);

/// Closes the input and waits for the program to end; after `seconds` it is
/// killed. True when it exited by itself; exitStatus then holds its status.
bool finish(Session& session, double seconds = 5.0);
