#include <gtest/gtest.h>

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
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "x/a.htm.new"));
}

}  // namespace
}  // namespace tally
