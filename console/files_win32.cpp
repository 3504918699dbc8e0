#include "console/files.h"

#include <windows.h>

#include <utility>

// Every file goes through the Windows API directly: the C library's text mode
// would turn each line feed into CR LF, and its "exclusive" open mode is not
// honoured, so an existing results file would be emptied.

namespace {

std::wstring widePath(const std::string& path) {
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                          length);
    return wide;
}

bool exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

HANDLE openFile(const std::wstring& path, DWORD access, DWORD creation) {
    return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, creation,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// One write call for the whole text; a short write counts as a failure, so a
// record is never reported as saved unless all of it reached the file.
bool writeOnce(HANDLE file, const std::string& bytes) {
    if (bytes.empty()) {
        return true;
    }
    DWORD written = 0;
    return ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

bool syncAndClose(HANDLE file) {
    const bool synced = ::FlushFileBuffers(file) != 0;
    const bool closed = ::CloseHandle(file) != 0;
    return synced && closed;
}

// Only a file on a disk keeps a record for a later run: a device such as NUL
// or a pipe would swallow it while every write seemed to succeed.
bool isDiskFile(HANDLE file) {
    return ::GetFileType(file) == FILE_TYPE_DISK;
}

bool endsWithoutLineFeed(HANDLE file) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size) || size.QuadPart == 0) {
        return false;
    }
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(size.QuadPart - 1);
    at.OffsetHigh = static_cast<DWORD>((size.QuadPart - 1) >> 32);
    char last = '\n';
    DWORD count = 0;
    return ::ReadFile(file, &last, 1, &count, &at) && count == 1 && last != '\n';
}

}  // namespace

NewFileResult writeNewFile(const std::string& path, const std::string& bytes) {
    const std::wstring name = widePath(path);
    const HANDLE file = openFile(name, GENERIC_WRITE, CREATE_NEW);
    if (file == INVALID_HANDLE_VALUE) {
        // A directory of that name refuses with "access denied", not "exists".
        return exists(name) ? NewFileResult::NameTaken : NewFileResult::Failed;
    }
    const bool written = writeOnce(file, bytes);
    const bool closed = syncAndClose(file);
    return written && closed ? NewFileResult::Written : NewFileResult::Failed;
}

bool appendToFile(const std::string& path, const std::string& bytes) {
    const HANDLE file = openFile(widePath(path), GENERIC_READ | FILE_APPEND_DATA, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (!isDiskFile(file)) {
        ::CloseHandle(file);
        return false;
    }
    // A record cut off by an earlier failure would swallow the new record's
    // first empty line; a line feed keeps the new record findable.
    const bool written = writeOnce(file, endsWithoutLineFeed(file) ? "\n" + bytes : bytes);
    const bool closed = syncAndClose(file);
    return written && closed;
}

bool readWholeFile(const std::string& path, std::string& bytes) {
    const HANDLE file =
        ::CreateFileW(widePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool readable = isDiskFile(file);
    std::string content;
    char buffer[65536];
    while (readable) {
        DWORD count = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &count, nullptr)) {
            readable = false;
        } else if (count == 0) {
            break;
        } else {
            content.append(buffer, count);
        }
    }
    ::CloseHandle(file);
    if (readable) {
        bytes = std::move(content);
    }
    return readable;
}

bool replaceFile(const std::string& path, const std::string& bytes) {
    const std::wstring temporary = widePath(path + ".tmp");
    // Whatever an earlier run left at the temporary name goes first.
    ::DeleteFileW(temporary.c_str());
    const HANDLE file = openFile(temporary, GENERIC_WRITE, CREATE_NEW);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = writeOnce(file, bytes);
    // Write-through: the new name is on the disk when the call returns.
    if (!syncAndClose(file) || !written ||
        !::MoveFileExW(temporary.c_str(), widePath(path).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

void removeFile(const std::string& path) {
    ::DeleteFileW(widePath(path).c_str());
}

NewFileResult renameToNewName(const std::string& from, const std::string& to) {
    const std::wstring target = widePath(to);
    // Without MOVEFILE_REPLACE_EXISTING an existing name is never replaced.
    if (::MoveFileExW(widePath(from).c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) {
        return NewFileResult::Written;
    }
    return exists(target) ? NewFileResult::NameTaken : NewFileResult::Failed;
}
