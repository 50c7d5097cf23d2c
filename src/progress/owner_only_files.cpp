// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/owner_only_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tally {
namespace fs = std::filesystem;

bool makeOwnerOnlyFolders(const fs::path& folder) {
    fs::path made;
    for (const fs::path& part : folder) {
        made /= part;
        if (::mkdir(made.c_str(), 0700) == 0) {
            // The umask may have taken more than group and others away.
            ::chmod(made.c_str(), 0700);
        } else if (errno != EEXIST) {
            return false;
        }
    }
    std::error_code ec;
    return fs::is_directory(folder, ec);
}

unsigned ownerOnlyMode(unsigned existingMode) { return existingMode & 0600u; }

void closeToOthers(const fs::path& file) {
    struct stat existing {};
    if (::stat(file.c_str(), &existing) != 0 || existing.st_uid != ::geteuid()) return;
    const unsigned mode = existing.st_mode & 07777;
    if ((mode & 077) != 0) ::chmod(file.c_str(), static_cast<mode_t>(ownerOnlyMode(mode)));
}

}  // namespace tally
