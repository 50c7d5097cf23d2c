#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "shell/atomic_file.h"
#include "support/temp_folder.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

unsigned modeOf(const fs::path& file) {
    struct stat status {};
    EXPECT_EQ(::stat(file.c_str(), &status), 0) << file;
    return status.st_mode & 07777;
}

// A file written whole gets the mode a new file of the user's gets (what the
// print dialog's PDF and --print write), and a file it replaces keeps its own.
TEST(AtomicFile, ANewFileGetsTheUsualModeAndAReplacedOneKeepsItsOwn) {
    const struct {
        mode_t umask;
        int oldMode;  // -1: no file there before
        unsigned mode;
    } cases[] = {
        {022, -1, 0644}, {077, -1, 0600}, {002, -1, 0664}, {027, -1, 0640},
        {022, 0600, 0600}, {077, 0644, 0644}, {022, 0664, 0664},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        const fs::path file = folder.path() / "sheet.pdf";
        if (c.oldMode >= 0) {
            std::ofstream(file) << "the sheet printed last week";
            ::chmod(file.c_str(), static_cast<mode_t>(c.oldMode));
        }
        const mode_t kept = ::umask(c.umask);
        const bool written = replaceFileAtomically(file, "%PDF-1.4 a sheet");
        ::umask(kept);
        ASSERT_TRUE(written);
        EXPECT_EQ(modeOf(file), c.mode) << std::oct << "umask " << c.umask << ", was " << c.oldMode;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 1);
    }
}

}  // namespace
}  // namespace tally
