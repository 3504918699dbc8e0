#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

/// A program run step by step, on pipes or on a pseudo-terminal of its own:
/// the test sends input, waits until given output has appeared, acts on the
/// file system, and goes on. A program still running at the end is killed.
struct Session {
    Session() = default;
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    pid_t pid = -1;
    int toProgram = -1;
    int fromProgram = -1;
    int terminal = -1;     ///< the terminal's own side, held to read its mode
    std::string output;    ///< everything shown so far (on a terminal, the echo too)
    std::size_t seen = 0;  ///< where the next waitFor starts looking
    int exitStatus = -1;   ///< set by finish when the program exited by itself
};

/// Starts the program on pipes in `directory`, with LC_ALL=C: the words of the
/// environment variable VASKI_PROGRAM when it is set (such as
/// "wine /abs/path/vaskipiikkikisa.exe"), else the built program.
bool start(Session& session, const std::string& directory = ".");

/// Starts `command` (a path and its arguments) on a new pseudo-terminal in the
/// working directory, with LC_ALL=C.UTF-8 and the NAME=value `setting`.
bool startOnTerminal(Session& session, const std::vector<std::string>& command,
                     const std::string& setting);

/// Writes `input` (a few lines, so one write) to the program; true when all
/// of it went.
bool send(Session& session, const std::string& input);

/// Reads what the program shows within `milliseconds`: the byte count, 0 when
/// nothing came, -1 once its output has ended.
int readSome(Session& session, int milliseconds);

/// Reads output until `text` appears after the previous match, then moves the
/// search past it. False when the output ends or `seconds` pass first.
bool waitFor(Session& session, const std::string& text, double seconds = 5.0);

/// Closes the input (a terminal stays open) and waits for the program to end,
/// reading its output; kills it after `seconds`. True when it exited by itself.
bool finish(Session& session, double seconds = 5.0);
