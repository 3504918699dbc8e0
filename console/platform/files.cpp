#include "console/platform/files.h"

namespace {

// Reads far enough at a time that a file of megabytes takes few calls.
constexpr std::size_t BLOCK_SIZE = 65536;

// Writes every byte of a file just created, syncs and closes it.
bool fillAndClose(DiskFile file, const std::string& bytes) {
    const bool written = writeFile(file, bytes) && syncFile(file);
    return closeFile(file) && written;
}

}  // namespace

ReadResult readInBlocks(const std::string& path,
                        const std::function<bool(const char*, std::size_t)>& take) {
    DiskFile file;
    switch (openToRead(path, file)) {
        case Disk::Done:
            break;
        case Disk::Missing:
            return ReadResult::Missing;
        default:
            return ReadResult::Unreadable;
    }
    char block[BLOCK_SIZE];
    std::ptrdiff_t count;
    while ((count = readFile(file, block, sizeof block)) > 0 &&
           take(block, static_cast<std::size_t>(count))) {
    }
    closeFile(file);
    return count < 0 ? ReadResult::Unreadable : ReadResult::Read;
}

ReadResult readWholeFile(const std::string& path, std::size_t limit, std::string& bytes) {
    std::string content;
    const ReadResult result = readInBlocks(path, [&](const char* block, std::size_t count) {
        content.append(block, count);
        return content.size() <= limit;
    });
    if (result == ReadResult::Read && content.size() > limit) {
        return ReadResult::Unreadable;
    }
    bytes = std::move(content);
    return result;
}

bool appendToFile(const std::string& path, std::size_t tailSize,
                  const std::function<std::string(const std::string& tail)>& compose) {
    DiskFile file;
    if (openToAppend(path, file) != Disk::Done) {
        return false;
    }
    std::string tail;
    const bool written =
        readTail(file, tailSize, tail) && writeFile(file, compose(tail)) && syncFile(file);
    return closeFile(file) && written;
}

std::string replacementName(const std::string& path) {
    return path + ".tmp";
}

bool replaceFile(const std::string& path, const std::string& bytes) {
    const std::string temporary = replacementName(path);
    // Whatever an earlier run left at the temporary name goes first.
    removeName(temporary);
    DiskFile file;
    if (createFile(temporary, file) != Disk::Done) {
        return false;
    }
    if (!fillAndClose(file, bytes) || !renameOver(temporary, path)) {
        removeName(temporary);
        return false;
    }
    return syncDirectoryOf(path);
}

std::string moveToFreeName(const std::string& from, const NameOffer& offer, unsigned attempts) {
    for (unsigned attempt = 1; attempt <= attempts; ++attempt) {
        const std::string name = offer(attempt);
        if (name.empty()) {
            continue;
        }
        switch (renameToNew(from, name)) {
            case Disk::Done:
                syncDirectoryOf(name);
                return name;
            case Disk::Taken:
                break;
            default:
                return "";
        }
    }
    return "";
}

std::string writeUnderFreeName(const std::string& bytes, const std::string& base,
                               const NameOffer& offer, unsigned attempts) {
    // Named for this process, so that two copies writing at once never meet.
    const std::string temporary = base + "." + processTag() + ".tmp";
    DiskFile file;
    if (createFile(temporary, file) != Disk::Done) {
        return "";
    }
    std::string name;
    if (fillAndClose(file, bytes)) {
        name = moveToFreeName(temporary, offer, attempts);
    }
    if (name.empty()) {
        removeName(temporary);
    }
    return name;
}

void removeFile(const std::string& path) {
    if (removeName(path)) {
        syncDirectoryOf(path);
    }
}

RunLock::~RunLock() {
    if (!path.empty()) {
        unlockFile(path, file);
    }
}

Lock takeLock(RunLock& lock, const std::string& path) {
    const Lock taken = lockFile(path, lock.file);
    if (taken == Lock::Held) {
        lock.path = path;
    }
    return taken;
}
