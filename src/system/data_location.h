// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>

namespace tally {

// Where a program finds its data directory when none is given.
struct DataLocation {
    std::filesystem::path root;
    // Found in the shared folder of an installed program: the program never
    // writes there, its files change only with the package.
    bool installed = false;
};

// The data directory of a program in `programDir`: "data" beside it, the
// installed "../share/tallymoo/data", or a build tree's "data" one or two levels
// up. The first that holds the start page wins; failing that, the first that
// exists; failing that, "data" beside the program.
DataLocation locateDataDirectory(const std::filesystem::path& programDir);

}  // namespace tally
