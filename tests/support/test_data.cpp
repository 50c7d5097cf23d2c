// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_data.h"

#include <fstream>
#include <stdexcept>

namespace tally::test {
namespace fs = std::filesystem;

TestData::TestData(const OwnData& own) : root_(own_.path()) {
    for (const std::string& file : own.files) {
        fs::create_directories((root_ / file).parent_path());
        fs::copy_file(fs::path(TALLYMOO_DATA_DIR) / file, root_ / file);
    }
}

fs::path TestData::writeFallback() const { return rootReadOnly() ? own_.path() : fs::path(); }

FsDataDirectory TestData::directory() const {
    FsDataDirectory data(root_);
    data.setWriteFallback(writeFallback());
    data.setRootReadOnly(rootReadOnly());
    return data;
}

// Over the repository's folder, written through the program's own data
// directory, so the file lands where the program reads first.
void TestData::write(const std::string& relPath, const std::string& bytes) const {
    if (rootReadOnly()) {
        if (!directory().replace(relPath, bytes)) throw std::runtime_error("cannot write test data " + relPath);
        return;
    }
    fs::create_directories((root_ / relPath).parent_path());
    std::ofstream(root_ / relPath, std::ios::binary) << bytes;
}

// The program keeps the files of each data directory in a folder of their own
// under the write fallback: the one folder there once anything is written.
fs::path TestData::ownPath(const std::string& relPath) const {
    if (!rootReadOnly()) return root_ / relPath;
    for (const fs::directory_entry& layer : fs::directory_iterator(own_.path())) return layer.path() / relPath;
    return {};
}

void TestData::remove(const std::string& relPath) const {
    const fs::path path = ownPath(relPath);
    if (!path.empty()) fs::remove_all(path);
}

}  // namespace tally::test
