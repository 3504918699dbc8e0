#pragma once

#include <string>

// The program's few file operations, each complete in one call: nothing stays
// open between them.

/// Outcome of writing a file that must not exist yet.
enum class NewFileResult {
    Written,    ///< created and every byte written, flushed and closed
    NameTaken,  ///< something of that name already exists; nothing was written
    Failed,     ///< could not be created, or writing, syncing or closing failed
};

/// Creates `path` exclusively and writes `bytes` into it. A file that fails
/// after its creation stays behind, holding whatever was written.
NewFileResult writeNewFile(const std::string& path, const std::string& bytes);

/// Appends `bytes` with one write to `path` (created when missing), syncs it
/// to disk and closes it. When the file is not empty and does not end with a
/// line feed, one line feed is written first. True only when all of it went
/// through into a regular file.
bool appendToFile(const std::string& path, const std::string& bytes);

/// Reads the whole file; false when it cannot be opened or read, or is not a
/// regular file.
bool readWholeFile(const std::string& path, std::string& bytes);

/// Replaces `path` whole with `bytes`: writes them to the temporary file
/// `path` + ".tmp" beside it, syncs that, renames it over `path` and syncs the
/// directory, so `path` holds either its old bytes or the new ones, whole, at
/// every instant. False when any step failed; `path` then keeps its old bytes
/// and the temporary file is removed.
bool replaceFile(const std::string& path, const std::string& bytes);

/// Removes the file `path` if there is one. A file that cannot be removed
/// is left as it is: every caller goes on either way.
void removeFile(const std::string& path);

/// Gives the file `from` the name `to`, which must not exist yet: NameTaken
/// when something of that name exists, and `from` then keeps its name.
NewFileResult renameToNewName(const std::string& from, const std::string& to);
