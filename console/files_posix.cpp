#include "console/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

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
