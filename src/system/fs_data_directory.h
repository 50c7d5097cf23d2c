// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>

#include "base/ports.h"

namespace tally {

// The data directory on disk. Relative paths that would leave the directory
// (absolute paths, "..") are refused, so a caption or a template can never
// reach a file outside it.
class FsDataDirectory : public DataDirectory {
public:
    explicit FsDataDirectory(std::filesystem::path root);

    bool exists(const std::string& relPath) const override;
    // Regular files only; names are UTF-8 (a GBK name is converted), and a
    // link that leads out of the directory is left out.
    std::optional<std::vector<std::string>> list(const std::string& relFolder) const override;
    std::optional<std::string> read(const std::string& relPath) const override;
    bool replace(const std::string& relPath, const std::string& bytes) override;
    // The root's full path.
    std::string place() const override;

    // Where files are written when the directory itself is not writable (an
    // installed program); files found there are read in preference. Each data
    // directory has its own subfolder there.
    void setWriteFallback(const std::filesystem::path& folder);
    // Never writes under the root, even when it could (an installed data
    // directory run by an administrator): every write goes to the fallback.
    void setRootReadOnly(bool readOnly) { rootReadOnly_ = readOnly; }

    const std::filesystem::path& root() const { return root_; }
    // The full path of a relative path, or empty when it is refused. A UTF-8
    // path finds a file whose name on disk is GBK.
    std::filesystem::path resolve(const std::string& relPath) const;

private:
    std::filesystem::path root_;
    std::filesystem::path fallback_;
    bool rootReadOnly_ = false;

    bool insideRoot(const std::filesystem::path& path) const;
    std::filesystem::path fallbackPath(const std::string& relPath) const;
};

}  // namespace tally
