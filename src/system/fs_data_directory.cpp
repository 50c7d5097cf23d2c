// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/fs_data_directory.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#include "progress/owner_only_files.h"
#include "system/atomic_file.h"
#include "base/gbk.h"

namespace tally {
namespace fs = std::filesystem;
namespace {

bool isRegularFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

// A name as the program shows it: UTF-8, or read as GBK when it is not.
std::string displayName(const std::string& onDisk) {
    auto asGbk = utf8ToGbk(onDisk);
    if (asGbk && gbkToUtf8(*asGbk) == onDisk) return onDisk;
    const std::string converted = gbkToUtf8(onDisk);
    return converted.empty() ? onDisk : converted;
}

// A short stable name for a folder, so each data directory keeps its own
// files in the shared fallback location.
std::string folderTag(const fs::path& folder) {
    std::error_code ec;
    fs::path absolute = fs::weakly_canonical(folder, ec);
    if (ec) absolute = folder;
    std::uint64_t hash = 1469598103934665603ULL;  // FNV-1a
    for (unsigned char byte : absolute.string()) hash = (hash ^ byte) * 1099511628211ULL;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return "data-" + std::string(text);
}

}  // namespace

FsDataDirectory::FsDataDirectory(fs::path root) : root_(std::move(root)) {}

fs::path FsDataDirectory::resolve(const std::string& relPath) const {
    fs::path rel(relPath);
    if (relPath.empty() || rel.has_root_directory() || rel.has_root_name()) return {};
    for (const auto& part : rel) {
        if (part == "..") return {};
    }
    fs::path path = root_ / rel;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        auto gbk = utf8ToGbk(relPath);
        if (gbk && *gbk != relPath && fs::exists(root_ / fs::path(*gbk), ec)) return root_ / fs::path(*gbk);
    }
    return path;
}

bool FsDataDirectory::insideRoot(const fs::path& path) const {
    std::error_code ec;
    const fs::path root = fs::canonical(root_, ec);
    if (ec) return false;
    const fs::path target = fs::canonical(path, ec);
    if (ec) return false;
    auto [rootEnd, unused] = std::mismatch(root.begin(), root.end(), target.begin(), target.end());
    return rootEnd == root.end();
}

bool FsDataDirectory::exists(const std::string& relPath) const {
    fs::path path = resolve(relPath);
    if (path.empty()) return false;
    fs::path written = fallbackPath(relPath);
    return isRegularFile(path) || (!written.empty() && isRegularFile(written));
}

std::optional<std::vector<std::string>> FsDataDirectory::list(const std::string& relFolder) const {
    fs::path path = resolve(relFolder);
    std::error_code ec;
    if (path.empty() || !fs::is_directory(path, ec)) return std::nullopt;
    std::vector<std::string> names;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec) || !insideRoot(it->path())) continue;
        names.push_back(displayName(it->path().filename().string()));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string FsDataDirectory::place() const {
    std::error_code ec;
    const fs::path absolute = fs::weakly_canonical(root_, ec);
    return (ec ? root_ : absolute).string();
}

void FsDataDirectory::setWriteFallback(const fs::path& folder) {
    fallback_ = folder.empty() ? folder : folder / folderTag(root_);
}

fs::path FsDataDirectory::fallbackPath(const std::string& relPath) const {
    fs::path path = resolve(relPath);
    if (fallback_.empty() || path.empty()) return {};
    return fallback_ / fs::path(relPath);
}

std::optional<std::string> FsDataDirectory::read(const std::string& relPath) const {
    fs::path path = resolve(relPath);
    if (path.empty()) return std::nullopt;
    fs::path written = fallbackPath(relPath);
    if (!written.empty() && isRegularFile(written)) path = written;
    // A folder in a file's place is not a file that reads as empty.
    if (!isRegularFile(path)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return bytes.str();
}

bool FsDataDirectory::replace(const std::string& relPath, const std::string& bytes) {
    fs::path path = resolve(relPath);
    if (path.empty()) return false;
    // The user's location holds the user's own copies: for the user alone.
    fs::path written = fallbackPath(relPath);
    if (!written.empty() && isRegularFile(written)) return replaceFileAtomically(written, bytes, FileReaders::OwnerOnly);
    if (!rootReadOnly_ && replaceFileAtomically(path, bytes)) return true;
    if (written.empty()) return false;
    return makeOwnerOnlyFolders(written.parent_path()) &&
           replaceFileAtomically(written, bytes, FileReaders::OwnerOnly);
}

}  // namespace tally
