#pragma once

#include <sys/types.h>
#include <termios.h>

#include <string>
#include <vector>

/// A program running on a pseudo-terminal of its own, seen as a person at the
/// terminal sees it: everything shown (the program's output and the echo of
/// what was typed) collects in `screen`. Ended and closed with the value.
struct PtySession {
    PtySession() = default;
    ~PtySession();
    PtySession(const PtySession&) = delete;
    PtySession& operator=(const PtySession&) = delete;

    int master = -1;
    int slave = -1;  ///< held open here too, so the mode can be read after the end
    pid_t child = -1;
    std::string screen;
    std::size_t seen = 0;  ///< how far `expect` has matched in `screen`
    int exitStatus = -1;   ///< once ended by itself: the exit status, or -1
    int endSignal = 0;     ///< once ended by a signal: that signal
};

/// Starts `command` (program and arguments) on a new pseudo-terminal in the
/// working directory, with LC_ALL=C.UTF-8 and the extra NAME=value settings.
bool startOnPty(PtySession& session, const std::vector<std::string>& command,
                const std::vector<std::string>& environment = {});

/// Reads what the terminal shows until `text` appears after the last match or
/// `seconds` pass; true when it appeared, and matching then goes on after it.
bool expect(PtySession& session, const std::string& text, double seconds = 5.0);

/// Types the bytes at the keyboard.
void type(PtySession& session, const std::string& bytes);

/// Waits until the terminal reads keys one by one (line mode and echo off),
/// reading what it shows meanwhile; false when `seconds` pass first.
bool waitForKeyMode(PtySession& session, double seconds = 5.0);

/// The terminal's mode now.
termios terminalMode(const PtySession& session);

/// True when the two modes agree in every flag and control character.
bool sameMode(const termios& a, const termios& b);

/// Waits for the program to end, reading what it shows meanwhile; kills it and
/// returns false when `seconds` pass first.
bool waitForEnd(PtySession& session, double seconds = 5.0);
