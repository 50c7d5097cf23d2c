// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "system/fs_data_directory.h"
#include "support/temp_folder.h"

namespace tally::test {

// A data folder of the test's own that starts with these files of the
// repository's and nothing else, for a test that takes files away or lists
// folders of its own making.
struct OwnData {
    std::vector<std::string> files;
};

// The data directory a test runs on. By default the repository's data folder,
// read in place and never written: the files a test changes go to a folder of
// its own, which the program reads first, as an installed program keeps the
// login file in the user's data location. Built with OwnData, the test's own
// folder is the whole data directory.
class TestData {
public:
    TestData() = default;
    explicit TestData(const OwnData& own);

    // The data directory's folder: the repository's, or the test's own.
    const std::filesystem::path& root() const { return root_; }
    // Where the program writes, and reads first; empty when the root is the test's own.
    std::filesystem::path writeFallback() const;
    bool rootReadOnly() const { return root_ != own_.path(); }
    FsDataDirectory directory() const;

    // A file as the test wants the program to find it.
    void write(const std::string& relPath, const std::string& bytes) const;
    // Takes a file or folder out of the test's own folder.
    void remove(const std::string& relPath) const;

private:
    TempFolder own_;
    std::filesystem::path root_ = TALLYMOO_DATA_DIR;

    std::filesystem::path ownPath(const std::string& relPath) const;
};

}  // namespace tally::test
