#include "console/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>

#include <utility>

namespace {

// One write call for the whole text; a short write counts as a failure, so a
// record is never reported as saved unless all of it reached the file.
bool writeOnce(int fd, const std::string& bytes) {
    if (bytes.empty()) {
        return true;
    }
    ssize_t written;
    do {
        written = ::write(fd, bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(bytes.size());
}

bool syncAndClose(int fd) {
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;  // EINVAL: a device that cannot sync
    const bool closed = ::close(fd) == 0;
    return synced && closed;
}

bool endsWithoutLineFeed(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
        return false;
    }
    char last = '\n';
    return ::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n';
}

}  // namespace

NewFileResult writeNewFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return errno == EEXIST ? NewFileResult::NameTaken : NewFileResult::Failed;
    }
    const bool written = writeOnce(fd, bytes);
    const bool closed = syncAndClose(fd);
    return written && closed ? NewFileResult::Written : NewFileResult::Failed;
}

bool appendToFile(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    // Only a regular file keeps a record for a later run: a device or a pipe
    // would swallow it while every write and the sync seemed to succeed.
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    // A record cut off by an earlier failure would swallow the new record's
    // first empty line; a line feed keeps the new record findable.
    const bool written = writeOnce(fd, endsWithoutLineFeed(fd) ? "\n" + bytes : bytes);
    const bool closed = syncAndClose(fd);
    return written && closed;
}

bool readWholeFile(const std::string& path, std::string& bytes) {
    // Only a regular file is read: a device such as /dev/zero never ends and a
    // named pipe waits for a writer, so either would stop the program for good.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool readable = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    std::string content;
    char buffer[65536];
    while (readable) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0) {
            content.append(buffer, static_cast<std::size_t>(count));
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            readable = false;
        }
    }
    ::close(fd);
    if (readable) {
        bytes = std::move(content);
    }
    return readable;
}

namespace {

// The directory holding `path`, for syncing a change of its entries.
std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the directory's new or changed entries last through a power cut.
bool syncDirectoryOf(const std::string& path) {
    const int fd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 && syncAndClose(fd);
}

}  // namespace

bool replaceFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    // Whatever an earlier run left at the temporary name goes first, so a pipe
    // or a link found there is never written through.
    ::unlink(temporary.c_str());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return false;
    }
    const bool written = writeOnce(fd, bytes);
    if (!syncAndClose(fd) || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return syncDirectoryOf(path);
}

void removeFile(const std::string& path) {
    if (::unlink(path.c_str()) == 0) {
        syncDirectoryOf(path);
    }
}

NewFileResult renameToNewName(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        syncDirectoryOf(to);
        return NewFileResult::Written;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno == EEXIST ? NewFileResult::NameTaken : NewFileResult::Failed;
    }
#endif
    // Without an atomic rename that refuses to replace: a second name, which
    // link never gives over an existing one, then the first name dropped.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno == EEXIST ? NewFileResult::NameTaken : NewFileResult::Failed;
    }
    ::unlink(from.c_str());
    syncDirectoryOf(to);
    return NewFileResult::Written;
}
