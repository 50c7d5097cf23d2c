// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string>

namespace tally {

// Whose eyes a replaced file is for.
enum class FileReaders {
    AsBefore,   // it keeps its mode; a new file gets the user's usual mode
    OwnerOnly,  // the user's own data: 0600, or the file's mode where that is stricter
};

// Writes `bytes` to a temporary file of its own beside `path`, flushes it to
// disk and renames it over `path`. The file gets its mode as `readers` says
// and, where the user may keep it, its owner. True only when `path` holds
// exactly these bytes afterwards: when another program saved over it in the
// meantime, its save is the one that counts and this one reports failure.
bool replaceFileAtomically(const std::filesystem::path& path, const std::string& bytes,
                           FileReaders readers = FileReaders::AsBefore);

// The mode a new file of this process gets: 0666 less the umask, read
// without changing the umask (other threads may be creating files).
unsigned newFileMode();

}  // namespace tally
