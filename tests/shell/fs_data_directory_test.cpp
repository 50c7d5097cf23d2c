#include <gtest/gtest.h>

#include <thread>

#include "shell/atomic_file.h"
#include "shell/fs_data_directory.h"
#include "support/harness.h"

namespace tally {
namespace {

TEST(FsDataDirectory, RefusesPathsThatLeaveIt) {
    test::TempDataDir dir;
    FsDataDirectory data(dir.path() / "book");
    for (const char* path : {"../help.htm", "/etc/passwd", "a/../../help.htm", ""}) {
        EXPECT_FALSE(data.read(path)) << path;
        EXPECT_FALSE(data.exists(path)) << path;
        EXPECT_FALSE(data.replace(path, "x")) << path;
    }
    EXPECT_FALSE(data.list(".."));
}

TEST(FsDataDirectory, ListsInNameOrderAndReplacesWhole) {
    test::TempDataDir dir;
    FsDataDirectory data(dir.path());
    dir.write("x/b.htm", "b");
    dir.write("x/a.htm", "a");
    dir.write("x/c/d.htm", "d");
    EXPECT_EQ(*data.list("x"), (std::vector<std::string>{"a.htm", "b.htm"}));
    EXPECT_FALSE(data.list("nothing"));
    EXPECT_TRUE(data.replace("x/a.htm", "new"));
    EXPECT_EQ(*data.read("x/a.htm"), "new");
    for (const auto& entry : std::filesystem::directory_iterator(dir.path() / "x")) {
        EXPECT_NE(entry.path().filename().string().rfind("a.htm.", 0), 0u) << entry.path();
    }
}

// Two programs saving at once: the file ends whole, holding one of the two,
// and a save that reports success alone is the one that stands.
TEST(FsDataDirectory, TwoSavesAtOnceNeverClaimTheLosingContent) {
    test::TempDataDir dir;
    const std::string first(20000, '1'), second(30000, '2');
    for (int round = 0; round < 50; ++round) {
        bool firstSaved = false, secondSaved = false;
        std::thread other([&] { secondSaved = replaceFileAtomically(dir.path() / "f", second); });
        firstSaved = replaceFileAtomically(dir.path() / "f", first);
        other.join();
        FsDataDirectory data(dir.path());
        const std::string now = *data.read("f");
        ASSERT_TRUE(now == first || now == second) << now.size();
        ASSERT_TRUE(firstSaved || secondSaved);
        if (firstSaved != secondSaved) {
            ASSERT_EQ(now, firstSaved ? first : second);
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}),
              std::distance(std::filesystem::directory_iterator(test::TempDataDir().path()), {}) + 1);
}

TEST(FsDataDirectory, AFolderIsNotAFile) {
    test::TempDataDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    FsDataDirectory data(dir.path());
    EXPECT_FALSE(data.read("folder"));
    EXPECT_FALSE(data.exists("folder"));
}

}  // namespace
}  // namespace tally
