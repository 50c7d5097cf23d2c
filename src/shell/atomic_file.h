#pragma once
#include <filesystem>
#include <string>

namespace tally {

// Writes `bytes` to a temporary file of its own beside `path`, flushes it to
// disk and renames it over `path`. The file keeps its mode and, where the
// user may keep it, its owner; a new file gets the user's usual mode. True only when `path` holds exactly these
// bytes afterwards: when another program saved over it in the meantime, its
// save is the one that counts and this one reports failure.
bool replaceFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// The mode a new file of this process gets: 0666 less the umask, read
// without changing the umask (other threads may be creating files).
unsigned newFileMode();

}  // namespace tally
