#pragma once

#include <sys/types.h>

#include <string>

/// An interactive shell on a pseudo-terminal, driven step by step; killed at the end.
struct Session {
    ~Session();
    pid_t pid = -1;
    int terminal = -1;     ///< the terminal's controlling side: keys in, output and mode out
    std::string output;    ///< everything shown so far, the echo too
    std::size_t seen = 0;  ///< where the next waitFor starts looking
};

/// Starts bash with job control on a new pseudo-terminal, LC_ALL=C.UTF-8 and
/// the prompt "shell$ ".
bool startShell(Session& session);

/// Types `input` in one write; true when all of it went.
bool send(Session& session, const std::string& input);

/// Reads output until `text` appears after the previous match and moves past
/// it; false when the output ends or `seconds` pass first.
bool waitFor(Session& session, const std::string& text, double seconds = 5.0);
