// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "system/atomic_file.h"
#include "support/temp_folder.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

// A file written whole gets the mode a new file of the user's gets (what the
// print dialog's PDF and --print write), and a file it replaces keeps its own,
// and its owner where the user may give it one (a login file that the users
// of one computer share).
TEST(AtomicFile, ANewFileGetsTheUsualModeAndAReplacedOneKeepsItsOwn) {
    const struct {
        mode_t umask;
        int oldMode;  // -1: no file there before
        unsigned mode;
    } cases[] = {{022, -1, 0644}, {077, -1, 0600}, {002, -1, 0664}, {022, 0600, 0600}, {077, 0664, 0664}};
    for (const auto& c : cases) {
        test::TempFolder folder;
        const fs::path file = folder.path() / "sheet.pdf";
        if (c.oldMode >= 0) {
            std::ofstream(file) << "last week's sheet";
            fs::permissions(file, static_cast<fs::perms>(c.oldMode));
        }
        const bool givenAway = c.oldMode >= 0 && ::geteuid() == 0 && ::chown(file.c_str(), 65534, 65534) == 0;
        const mode_t kept = ::umask(c.umask);
        EXPECT_TRUE(replaceFileAtomically(file, "%PDF-1.4"));
        ::umask(kept);
        EXPECT_EQ(static_cast<unsigned>(fs::status(file).permissions()), c.mode) << std::oct << c.umask << " " << c.oldMode;
        struct stat after {};
        if (givenAway && ::stat(file.c_str(), &after) == 0) {
            EXPECT_EQ(after.st_uid, 65534u);
        }
    }
}

}  // namespace
}  // namespace tally
