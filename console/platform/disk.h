#pragma once

// The few file operations each system gives, in its own terms: descriptors
// on POSIX systems, handles on Windows. Only files.cpp uses them; it writes
// the program's file policy once over them.

#include <cstddef>
#include <cstdint>
#include <string>

/// An open file: a descriptor or a handle.
struct DiskFile {
    std::intptr_t id = -1;
};

/// How opening or naming a file went.
enum class Disk {
    Done,     ///< opened, or named
    Missing,  ///< nothing has that name
    Taken,    ///< something already has that name
    Refused,  ///< not a regular file on a disk, or a symbolic link where one is written
    Failed,   ///< any other failure
};

/// Opens a regular file for reading; a device or a pipe is Refused, so that
/// nothing read can stop the program for good.
Disk openToRead(const std::string& path, DiskFile& file);

/// Opens a regular file for appending, creating it when missing; never
/// through a symbolic link.
Disk openToAppend(const std::string& path, DiskFile& file);

/// Creates a new file; never through a symbolic link, Taken when anything
/// has the name already.
Disk createFile(const std::string& path, DiskFile& file);

/// Reads up to `size` bytes from the file's position into `buffer`: the count
/// read, 0 at the end of the file, -1 on a failure.
std::ptrdiff_t readFile(DiskFile file, char* buffer, std::size_t size);

/// The file's last `count` bytes, or all of it when it is shorter.
bool readTail(DiskFile file, std::size_t count, std::string& tail);

/// Writes the bytes with one call: a short write is a failure, so bytes
/// appended by another process can never fall in between.
bool writeFile(DiskFile file, const std::string& bytes);

/// Makes what was written last through a power cut.
bool syncFile(DiskFile file);

/// False when closing reports that something written was lost.
bool closeFile(DiskFile file);

/// Renames the file, replacing whatever `to` names (a link itself, never what
/// it points to).
bool renameOver(const std::string& from, const std::string& to);

/// Renames the file to a name nothing has: Taken when something has it.
Disk renameToNew(const std::string& from, const std::string& to);

/// Removes the name; false when it could not be removed.
bool removeName(const std::string& path);

/// True when anything, a dangling link too, has the name.
bool nameExists(const std::string& path);

/// Makes a change of the directory's entries last through a power cut, where
/// the rename itself does not.
bool syncDirectoryOf(const std::string& path);

/// Different for every running process: for temporary names.
std::string processTag();

/// How taking the lock went.
enum class Lock { Held, HeldElsewhere, Unavailable };

/// Creates or opens the lock file `path` and takes its exclusive lock, which
/// the system lets go of when the process ends in any way.
Lock lockFile(const std::string& path, DiskFile& file);

/// Removes the lock file's name, then lets go of the lock.
void unlockFile(const std::string& path, DiskFile file);
