#include "console/platform/terminal.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>

namespace {

// What the console was like before the run, put back when the run ends.
struct SavedConsole {
    bool codePagesSet = false;
    UINT inputCodePage = 0;
    UINT outputCodePage = 0;
    bool outputModeSet = false;
    DWORD outputMode = 0;
};
SavedConsole saved;

const std::string CLEAR_SEQUENCE = CLEAR_SCREEN;

bool isConsole(HANDLE handle, DWORD* mode = nullptr) {
    DWORD ignored = 0;
    return ::GetConsoleMode(handle, mode != nullptr ? mode : &ignored) != 0;
}

void restoreConsole() {
    if (saved.codePagesSet) {
        ::SetConsoleCP(saved.inputCodePage);
        ::SetConsoleOutputCP(saved.outputCodePage);
    }
    if (saved.outputModeSet) {
        ::SetConsoleMode(::GetStdHandle(STD_OUTPUT_HANDLE), saved.outputMode);
    }
}

// Ctrl-C, Ctrl-Break or the window closing: the console gets its code pages
// back, then the default handling ends the program as it would have anyway.
BOOL WINAPI restoreOnInterrupt(DWORD) {
    restoreConsole();
    return FALSE;
}

// Blanks the whole screen buffer, scroll-back included, and puts the cursor
// home: the clearing sequence done with the console API.
void clearWithConsoleApi(HANDLE output) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!::GetConsoleScreenBufferInfo(output, &info)) {
        return;
    }
    const DWORD cells = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    const COORD home{0, 0};
    DWORD done = 0;
    ::FillConsoleOutputCharacterA(output, ' ', cells, home, &done);
    ::FillConsoleOutputAttribute(output, info.wAttributes, cells, home, &done);
    ::SetConsoleCursorPosition(output, home);
}

// Passes the program's output on unchanged, except that each clearing
// sequence clears the screen through the console API; for a console that does
// not understand the sequence itself. Output is held until a flush, so a
// sequence is never seen in two pieces.
struct ClearingBuffer : std::streambuf {
    explicit ClearingBuffer(std::streambuf* console) : target(console) {}

    int overflow(int c) override {
        if (c != traits_type::eof()) {
            pending += static_cast<char>(c);
        }
        return traits_type::not_eof(c);
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override {
        pending.append(bytes, static_cast<std::size_t>(count));
        return count;
    }

    int sync() override {
        std::size_t from = 0;
        for (std::size_t at; (at = pending.find(CLEAR_SEQUENCE, from)) != std::string::npos;
             from = at + CLEAR_SEQUENCE.size()) {
            target->sputn(pending.data() + from, static_cast<std::streamsize>(at - from));
            target->pubsync();
            clearWithConsoleApi(::GetStdHandle(STD_OUTPUT_HANDLE));
        }
        target->sputn(pending.data() + from, static_cast<std::streamsize>(pending.size() - from));
        pending.clear();
        return target->pubsync();
    }

    std::streambuf* target;
    std::string pending;
};

// Lets the console itself understand the clearing sequence. False when it
// cannot, so the clearing has to go through the console API.
bool enableClearing(HANDLE output) {
    DWORD mode = 0;
    if (!isConsole(output, &mode)) {
        return true;  // a pipe or a file takes the bytes as they are
    }
    if (!::SetConsoleMode(output, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING)) {
        return false;
    }
    saved.outputModeSet = true;
    saved.outputMode = mode;
    return true;
}

bool isModifierKey(WORD key) {
    switch (key) {
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_CAPITAL:
        case VK_NUMLOCK:
        case VK_SCROLL:
        case VK_LWIN:
        case VK_RWIN:
            return true;
        default:
            return false;
    }
}

}  // namespace

struct TerminalStreams::Platform {
    std::ostream* out = nullptr;
    std::streambuf* original = nullptr;
    std::unique_ptr<ClearingBuffer> clearing;
};

TerminalStreams::TerminalStreams(std::istream&, std::ostream& out) : platform(new Platform) {
    // Binary mode: a line feed leaves as one byte, and a 0x1A byte in piped
    // input is a byte like any other, not the end of the input.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (!isConsole(input) && !isConsole(output)) {
        return;
    }
    // The program's bytes are code page 850 both ways, so the console is set
    // to it for the run and nothing needs translating.
    saved.inputCodePage = ::GetConsoleCP();
    saved.outputCodePage = ::GetConsoleOutputCP();
    saved.codePagesSet = true;
    ::SetConsoleCP(850);
    ::SetConsoleOutputCP(850);
    ::SetConsoleCtrlHandler(restoreOnInterrupt, TRUE);
    if (!enableClearing(output)) {
        out.flush();
        platform->out = &out;
        platform->original = out.rdbuf();
        platform->clearing.reset(new ClearingBuffer(platform->original));
        out.rdbuf(platform->clearing.get());
    }
}

TerminalStreams::~TerminalStreams() {
    if (platform->out != nullptr) {
        platform->out->flush();
        platform->out->rdbuf(platform->original);
    }
    std::cout.flush();
    restoreConsole();
    ::SetConsoleCtrlHandler(restoreOnInterrupt, FALSE);
}

bool inputIsTerminal() {
    return isConsole(::GetStdHandle(STD_INPUT_HANDLE));
}

bool waitForKeyPress() {
    // One key press: its key-down event, whether it gives a character or is an
    // arrow or a function key; the shift keys alone do not count. Ctrl-C does
    // not arrive here: the console turns it into an interrupt.
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    for (;;) {
        INPUT_RECORD record;
        DWORD count = 0;
        if (!::ReadConsoleInputA(input, &record, 1, &count) || count == 0) {
            return false;
        }
        const KEY_EVENT_RECORD& key = record.Event.KeyEvent;
        if (record.EventType == KEY_EVENT && key.bKeyDown && !isModifierKey(key.wVirtualKeyCode)) {
            return true;
        }
    }
}
