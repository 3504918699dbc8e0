#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "console/platform/disk.h"

// The program's file operations, each complete in one call: nothing stays
// open between them but the run's lock. A file is reported written only when
// every byte of it is on the disk, and nothing is ever written through a
// symbolic link.

/// How reading a file went.
enum class ReadResult {
    Read,        ///< every byte was read
    Missing,     ///< nothing has the name
    Unreadable,  ///< something has the name, but could not be read whole
};

/// Hands the regular file's bytes to `take` a block at a time, in order;
/// `take` may stop the reading early by returning false.
ReadResult readInBlocks(const std::string& path,
                        const std::function<bool(const char*, std::size_t)>& take);

/// Reads the whole file; a file longer than `limit` bytes is Unreadable.
ReadResult readWholeFile(const std::string& path, std::size_t limit, std::string& bytes);

/// Appends to `path`, created when missing, what `compose` makes of the
/// file's last `tailSize` bytes (fewer when it is shorter): one write, synced
/// to the disk; nothing when `compose` gives nothing. True only when all of it
/// went into a regular file.
bool appendToFile(const std::string& path, std::size_t tailSize,
                  const std::function<std::string(const std::string& tail)>& compose);

/// The temporary name replaceFile writes `path`'s new bytes under; a kill
/// mid-write may leave a file there.
std::string replacementName(const std::string& path);

/// Replaces `path` whole with `bytes`: writes them to replacementName(path), syncs
/// that, renames it over `path` and syncs the directory, so `path` holds
/// either its old bytes or the new ones, whole, at every instant. False when
/// any step failed; `path` then keeps its old bytes and no temporary file is
/// left.
bool replaceFile(const std::string& path, const std::string& bytes);

/// The names to try for a new file: attempt 1, 2, ... gives a name, or an
/// empty one to pass that attempt over.
using NameOffer = std::function<std::string(unsigned attempt)>;

/// Gives the file `from` the first name of `offer`, up to `attempts`, that
/// nothing has. The name given; empty when none was free or the move failed,
/// and `from` then keeps its name.
std::string moveToFreeName(const std::string& from, const NameOffer& offer, unsigned attempts);

/// Writes `bytes` to a temporary file named after `base` and this process,
/// syncs it and moves it to the first free name (moveToFreeName): a name holds
/// the whole file or nothing. The name given; empty when anything failed, and
/// then no file is left.
std::string writeUnderFreeName(const std::string& bytes, const std::string& base,
                               const NameOffer& offer, unsigned attempts);

/// Removes the file `path` if there is one, and makes that last.
void removeFile(const std::string& path);

/// The exclusive lock of one running copy on a folder's file, from
/// `takeLock` until the value ends (or the process does, in any way).
struct RunLock {
    RunLock() = default;
    ~RunLock();
    RunLock(const RunLock&) = delete;
    RunLock& operator=(const RunLock&) = delete;

    std::string path;  ///< empty while no lock is held
    DiskFile file;
};

/// Takes the lock on the file `path` (created when missing, removed when the
/// lock ends).
Lock takeLock(RunLock& lock, const std::string& path);
