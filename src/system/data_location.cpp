// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/data_location.h"

#include <array>
#include <system_error>

namespace tally {
namespace fs = std::filesystem;

DataLocation locateDataDirectory(const fs::path& programDir) {
    // The installed folder comes before the build-tree guesses so that an
    // installed program never picks up an unrelated "/data" or "/usr/data".
    const std::array<DataLocation, 4> candidates = {{
        {programDir / "data", false},
        {programDir / ".." / "share" / "tallymoo" / "data", true},
        {programDir / ".." / "data", false},
        {programDir / ".." / ".." / "data", false},
    }};
    std::error_code ec;
    for (const DataLocation& candidate : candidates) {
        if (fs::is_regular_file(candidate.root / "help.htm", ec)) {
            return {candidate.root.lexically_normal(), candidate.installed};
        }
    }
    for (const DataLocation& candidate : candidates) {
        if (fs::is_directory(candidate.root, ec)) return {candidate.root.lexically_normal(), candidate.installed};
    }
    return {candidates.front().root.lexically_normal(), false};
}

}  // namespace tally
