#pragma once
#include <filesystem>

#include "shell/ports.h"

namespace tally {

// The data directory on disk. Relative paths that would leave the directory
// (absolute paths, "..") are refused, so a caption or a template can never
// reach a file outside it.
class FsDataDirectory : public DataDirectory {
public:
    explicit FsDataDirectory(std::filesystem::path root);

    bool exists(const std::string& relPath) const override;
    std::optional<std::vector<std::string>> list(const std::string& relFolder) const override;
    std::optional<std::string> read(const std::string& relPath) const override;
    bool replace(const std::string& relPath, const std::string& bytes) override;

    // Where files are written when the directory itself is not writable (an
    // installed program); files found there are read in preference.
    void setWriteFallback(std::filesystem::path folder);
    // Never writes under the root, even when it could (an installed data
    // directory run by an administrator): every write goes to the fallback.
    void setRootReadOnly(bool readOnly) { rootReadOnly_ = readOnly; }

    const std::filesystem::path& root() const { return root_; }
    // The full path of a relative path, or empty when it is refused.
    std::filesystem::path resolve(const std::string& relPath) const;

private:
    std::filesystem::path root_;
    std::filesystem::path fallback_;
    bool rootReadOnly_ = false;

    static bool writeAtomically(const std::filesystem::path& path, const std::string& bytes);
    std::filesystem::path fallbackPath(const std::string& relPath) const;
};

}  // namespace tally
