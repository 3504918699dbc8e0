#include "console/platform/disk.h"

#include <windows.h>

// Every file goes through the Windows API directly: the C library's text mode
// would turn each line feed into CR LF, and its "exclusive" open mode is not
// honoured, so an existing file would be emptied.

namespace {

HANDLE handle(DiskFile file) {
    return reinterpret_cast<HANDLE>(file.id);
}

std::wstring widePath(const std::string& path) {
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                          length);
    return wide;
}

Disk openFailure(const std::string& path) {
    switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return Disk::Missing;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return Disk::Taken;
        default:
            // A directory of that name refuses with "access denied", not "exists".
            return nameExists(path) ? Disk::Taken : Disk::Failed;
    }
}

// Only a file on a disk keeps what is written for a later run: a device such
// as NUL or a pipe would swallow it while every write seemed to succeed. A
// symbolic link or another reparse point is never written through.
Disk diskFileOnly(HANDLE opened, DiskFile& file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(opened) != FILE_TYPE_DISK || !::GetFileInformationByHandle(opened, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        ::CloseHandle(opened);
        return Disk::Refused;
    }
    file.id = reinterpret_cast<std::intptr_t>(opened);
    return Disk::Done;
}

Disk open(const std::string& path, DWORD access, DWORD share, DWORD creation, DWORD flags,
          DiskFile& file) {
    const HANDLE opened = ::CreateFileW(widePath(path).c_str(), access, share, nullptr, creation,
                                        FILE_ATTRIBUTE_NORMAL | flags, nullptr);
    return opened == INVALID_HANDLE_VALUE ? openFailure(path) : diskFileOnly(opened, file);
}

}  // namespace

Disk openToRead(const std::string& path, DiskFile& file) {
    const Disk opened =
        open(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, 0, file);
    return opened == Disk::Taken ? Disk::Refused : opened;
}

Disk openToAppend(const std::string& path, DiskFile& file) {
    const Disk opened = open(path, GENERIC_READ | FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_ALWAYS,
                             FILE_FLAG_OPEN_REPARSE_POINT, file);
    return opened == Disk::Taken ? Disk::Refused : opened;
}

Disk createFile(const std::string& path, DiskFile& file) {
    return open(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_NEW, FILE_FLAG_OPEN_REPARSE_POINT,
                file);
}

std::ptrdiff_t readFile(DiskFile file, char* buffer, std::size_t size) {
    DWORD count = 0;
    if (!::ReadFile(handle(file), buffer, static_cast<DWORD>(size), &count, nullptr)) {
        return -1;
    }
    return static_cast<std::ptrdiff_t>(count);
}

bool readTail(DiskFile file, std::size_t count, std::string& tail) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle(file), &size)) {
        return false;
    }
    const auto length = static_cast<std::size_t>(size.QuadPart);
    tail.assign(count < length ? count : length, '\0');
    if (tail.empty()) {
        return true;
    }
    const auto from = static_cast<ULONGLONG>(length - tail.size());
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(from);
    at.OffsetHigh = static_cast<DWORD>(from >> 32);
    DWORD got = 0;
    return ::ReadFile(handle(file), &tail[0], static_cast<DWORD>(tail.size()), &got, &at) &&
           got == tail.size();
}

bool writeFile(DiskFile file, const std::string& bytes) {
    if (bytes.empty()) {
        return true;
    }
    DWORD written = 0;
    return ::WriteFile(handle(file), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}

bool syncFile(DiskFile file) {
    return ::FlushFileBuffers(handle(file)) != 0;
}

bool closeFile(DiskFile file) {
    return ::CloseHandle(handle(file)) != 0;
}

bool renameOver(const std::string& from, const std::string& to) {
    // Write-through: the new name is on the disk when the call returns.
    return ::MoveFileExW(widePath(from).c_str(), widePath(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

Disk renameToNew(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING an existing name is never replaced.
    if (::MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
        return Disk::Done;
    }
    return nameExists(to) ? Disk::Taken : Disk::Failed;
}

bool removeName(const std::string& path) {
    return ::DeleteFileW(widePath(path).c_str()) != 0;
}

bool nameExists(const std::string& path) {
    return ::GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool syncDirectoryOf(const std::string&) {
    return true;  // every rename above writes through
}

std::string processTag() {
    return std::to_string(::GetCurrentProcessId());
}

Lock lockFile(const std::string& path, DiskFile& file) {
    // Opened without sharing, the file is the lock: a second copy cannot open
    // it, and it goes with the last handle, when the process ends in any way.
    const HANDLE opened = ::CreateFileW(
        widePath(path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr, OPEN_ALWAYS,
        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return ::GetLastError() == ERROR_SHARING_VIOLATION ? Lock::HeldElsewhere
                                                           : Lock::Unavailable;
    }
    file.id = reinterpret_cast<std::intptr_t>(opened);
    return Lock::Held;
}

void unlockFile(const std::string&, DiskFile file) {
    ::CloseHandle(handle(file));
}
