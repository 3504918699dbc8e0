#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

/// A program run step by step on pipes or a pseudo-terminal; killed if still running at the end.
struct Session {
    ~Session();
    pid_t pid = -1;
    int toProgram = -1;
    int fromProgram = -1;  ///< on a terminal, also the handle its mode is read through
    std::string output;    ///< everything shown so far (on a terminal, the echo too)
    std::size_t seen = 0;  ///< where the next waitFor starts looking
    int exitStatus = -1;   ///< set by finish when the program exited by itself
};

/// Starts the program on pipes with LC_ALL=C: the words of VASKI_PROGRAM when
/// set (such as "wine /abs/path/vaskipiikkikisa.exe"), else the built program.
bool start(Session& session);

/// Starts `command` on a new pseudo-terminal, LC_ALL=C.UTF-8 and NAME=value `setting` set.
bool startOnTerminal(Session& session, const std::vector<std::string>& command,
                     const std::string& setting);

/// Writes `input` in one write; true when all of it went.
bool send(Session& session, const std::string& input);

/// Reads output until `text` appears after the previous match and moves past
/// it; false when the output ends or `seconds` pass first.
bool waitFor(Session& session, const std::string& text, double seconds = 5.0);

/// Closes the input and waits for the program to end, reading its output; true
/// when it exited by itself within `seconds`.
bool finish(Session& session, double seconds = 5.0);
