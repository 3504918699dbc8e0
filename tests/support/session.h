#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

/// A program run step by step on a pseudo-terminal; killed if still running at the end.
struct Session {
    ~Session();
    pid_t pid = -1;
    int terminal = -1;     ///< the terminal's controlling side: keys in, output and mode out
    std::string output;    ///< everything shown so far, the echo too
    std::size_t seen = 0;  ///< where the next waitFor starts looking
};

/// Starts `command` on a new pseudo-terminal, LC_ALL=C.UTF-8 and NAME=value `setting` set.
bool startOnTerminal(Session& session, const std::vector<std::string>& command,
                     const std::string& setting);

/// Types `input` in one write; true when all of it went.
bool send(Session& session, const std::string& input);

/// Reads output until `text` appears after the previous match and moves past
/// it; false when the output ends or `seconds` pass first.
bool waitFor(Session& session, const std::string& text, double seconds = 5.0);

/// Waits for the program to end, reading its output; true when it exited by
/// itself within `seconds`.
bool finish(Session& session, double seconds = 5.0);
