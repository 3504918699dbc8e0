#include "console/platform/disk.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

int fd(DiskFile file) {
    return static_cast<int>(file.id);
}

// Keeps the descriptor of a regular file; closes any other.
Disk regularOnly(int descriptor, DiskFile& file) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return Disk::Refused;
    }
    file.id = descriptor;
    return Disk::Done;
}

// A symbolic link at a name that is written is refused, as is any other
// failure that the name itself causes.
Disk openFailure() {
    switch (errno) {
        case ENOENT:
            return Disk::Missing;
        case EEXIST:
            return Disk::Taken;
        case ELOOP:
            return Disk::Refused;
        default:
            return Disk::Failed;
    }
}

// The directory holding `path`.
std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

Disk openToRead(const std::string& path, DiskFile& file) {
    // Non-blocking, so that a named pipe does not wait for a writer here.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    return descriptor < 0 ? openFailure() : regularOnly(descriptor, file);
}

Disk openToAppend(const std::string& path, DiskFile& file) {
    const int descriptor = ::open(
        path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    return descriptor < 0 ? openFailure() : regularOnly(descriptor, file);
}

Disk createFile(const std::string& path, DiskFile& file) {
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return openFailure();
    }
    file.id = descriptor;
    return Disk::Done;
}

std::ptrdiff_t readFile(DiskFile file, char* buffer, std::size_t size) {
    ssize_t count;
    do {
        count = ::read(fd(file), buffer, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

bool readTail(DiskFile file, std::size_t count, std::string& tail) {
    struct stat info {};
    if (::fstat(fd(file), &info) != 0) {
        return false;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    tail.assign(count < size ? count : size, '\0');
    std::size_t done = 0;
    while (done < tail.size()) {
        const ssize_t got = ::pread(fd(file), &tail[done], tail.size() - done,
                                    static_cast<off_t>(size - tail.size() + done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool writeFile(DiskFile file, const std::string& bytes) {
    if (bytes.empty()) {
        return true;
    }
    ssize_t written;
    do {
        written = ::write(fd(file), bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    return written == static_cast<ssize_t>(bytes.size());
}

bool syncFile(DiskFile file) {
    return ::fsync(fd(file)) == 0 || errno == EINVAL;  // EINVAL: a file that cannot sync
}

bool closeFile(DiskFile file) {
    return ::close(fd(file)) == 0;
}

bool renameOver(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

Disk renameToNew(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return Disk::Done;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno == EEXIST ? Disk::Taken : Disk::Failed;
    }
#endif
    // Without an atomic rename that refuses to replace: a second name, which
    // link never gives over an existing one, then the first name dropped.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno == EEXIST ? Disk::Taken : Disk::Failed;
    }
    ::unlink(from.c_str());
    return Disk::Done;
}

bool removeName(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool nameExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

bool syncDirectoryOf(const std::string& path) {
    const int directory = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0) {
        return false;
    }
    const bool synced = syncFile(DiskFile{directory});
    return closeFile(DiskFile{directory}) && synced;
}

std::string processTag() {
    return std::to_string(::getpid());
}

Lock lockFile(const std::string& path, DiskFile& file) {
    // The name may be removed by the copy that held it, between our opening
    // and our locking: a lock is ours only on the file that has the name.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int descriptor =
            ::open(path.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (descriptor < 0) {
            return Lock::Unavailable;
        }
        if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            const bool elsewhere = errno == EWOULDBLOCK;
            ::close(descriptor);
            return elsewhere ? Lock::HeldElsewhere : Lock::Unavailable;
        }
        struct stat locked {};
        struct stat named {};
        if (::fstat(descriptor, &locked) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
            file.id = descriptor;
            return Lock::Held;
        }
        ::close(descriptor);
    }
    return Lock::Unavailable;
}

void unlockFile(const std::string& path, DiskFile file) {
    ::unlink(path.c_str());
    ::close(fd(file));
}
