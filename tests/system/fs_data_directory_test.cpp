// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "system/atomic_file.h"
#include "system/data_location.h"
#include "system/fs_data_directory.h"
#include "support/harness.h"

namespace tally {
namespace {
namespace fs = std::filesystem;

// Paths that leave it, and a folder, are no file of it.
TEST(FsDataDirectory, RefusesPathsThatLeaveItAndFolders) {
    FsDataDirectory data{fs::path(TALLYMOO_DATA_DIR)};
    data.setRootReadOnly(true);
    for (const char* path : {"../CMakeLists.txt", "/etc/passwd", "book/../../CMakeLists.txt", "", "book"}) {
        EXPECT_FALSE(data.read(path)) << path;
        EXPECT_FALSE(data.exists(path)) << path;
        EXPECT_FALSE(data.replace(path, "x")) << path;
    }
    EXPECT_FALSE(data.list(".."));
}

TEST(FsDataDirectory, ListsInNameOrderAndReplacesWhole) {
    test::TestData dir{test::OwnData{}};
    FsDataDirectory data(dir.root());
    dir.write("x/b.htm", "b");
    dir.write("x/a.htm", "a");
    dir.write("x/c/d.htm", "d");
    EXPECT_EQ(*data.list("x"), (std::vector<std::string>{"a.htm", "b.htm"}));
    EXPECT_FALSE(data.list("nothing"));
    // A file of the directory itself keeps its mode: the users of a computer share it.
    fs::permissions(dir.root() / "x/a.htm", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(data.replace("x/a.htm", "new"));
    EXPECT_EQ(*data.read("x/a.htm"), "new");
    EXPECT_EQ(static_cast<unsigned>(fs::status(dir.root() / "x/a.htm").permissions()), 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.root() / "x"), {}), 3) << "no copy left beside a.htm";
}

// Two programs saving at once: the file ends whole, holding one of the two,
// and a save that reports success alone is the one that stands.
TEST(FsDataDirectory, TwoSavesAtOnceNeverClaimTheLosingContent) {
    test::TempFolder dir;
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
        ASSERT_TRUE(firstSaved == secondSaved || now == (firstSaved ? first : second));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

struct LocationCase {
    const char* name;
    std::vector<std::string> startPages;  // folders (under the tree) holding help.htm
    std::vector<std::string> bareFolders;  // folders that exist without a start page
    const char* program;
    const char* expected;
    bool installed;
};

TEST(DataLocation, FindsTheDataDirectoryFromTheProgramsOwnFolder) {
    const std::vector<LocationCase> cases = {
        {"the cli in the build tree", {"build/data"}, {}, "build", "build/data", false},
        {"the window in the build tree", {"build/data"}, {"build/src/ui"}, "build/src/ui", "build/data", false},
        {"installed under a prefix", {"usr/share/tallymoo/data"}, {"usr/bin"}, "usr/bin", "usr/share/tallymoo/data",
         true},
        {"installed, with a stray /data two levels up", {"usr/share/tallymoo/data", "data"}, {"usr/bin"},
         "usr/bin", "usr/share/tallymoo/data", true},
        {"beside the program beats the installed one", {"opt/bin/data", "opt/share/tallymoo/data"}, {}, "opt/bin",
         "opt/bin/data", false},
        {"a start page beats a bare folder", {"build/data"}, {"build/src/ui/data"}, "build/src/ui", "build/data",
         false},
        {"no start page anywhere: the first folder that exists", {}, {"usr/bin", "usr/share/tallymoo/data"},
         "usr/bin", "usr/share/tallymoo/data", true},
        {"nothing at all: beside the program", {}, {"lonely"}, "lonely", "lonely/data", false},
    };
    for (const LocationCase& c : cases) {
        test::TempFolder temp;
        const fs::path tree = temp.path() / "tree";
        for (const std::string& folder : c.startPages) {
            fs::create_directories(tree / folder);
            std::ofstream(tree / folder / "help.htm") << "<html></html>";
        }
        for (const std::string& folder : c.bareFolders) fs::create_directories(tree / folder);
        const DataLocation found = locateDataDirectory(tree / c.program);
        EXPECT_EQ(found.root, tree / c.expected) << c.name;
        EXPECT_EQ(found.installed, c.installed) << c.name;
    }
}

TEST(FsDataDirectory, AReadOnlyRootIsNeverWrittenEvenWhenItCouldBe) {
    test::TestData installed{test::OwnData{}}, other{test::OwnData{}};
    test::TempFolder user;
    installed.write("login.ini", "installed");
    other.write("login.ini", "other");
    const auto readOnly = [&user](const test::TestData& root, bool fallback) {
        FsDataDirectory data(root.root());
        if (fallback) data.setWriteFallback(user.path() / "tallymoo");
        data.setRootReadOnly(true);
        return data;
    };
    FsDataDirectory data = readOnly(installed, true);
    EXPECT_EQ(*data.read("login.ini"), "installed");
    ASSERT_TRUE(data.replace("login.ini", "changed"));
    EXPECT_EQ(*data.read("login.ini"), "changed");
    // Another data directory writing to the same place keeps files of its own there.
    FsDataDirectory beside = readOnly(other, true);
    EXPECT_EQ(*beside.read("login.ini"), "other");
    ASSERT_TRUE(beside.replace("login.ini", "changed beside"));
    EXPECT_EQ(*data.read("login.ini"), "changed");

    // With nowhere else to write, the write is refused.
    FsDataDirectory untouched = readOnly(installed, false);
    EXPECT_FALSE(untouched.replace("login.ini", "changed"));
    EXPECT_EQ(*untouched.read("login.ini"), "installed");
    EXPECT_FALSE(fs::exists(installed.root() / "login.ini.new"));
}

}  // namespace
}  // namespace tally
