#include "shell/fs_data_directory.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <system_error>

namespace tally {
namespace fs = std::filesystem;

FsDataDirectory::FsDataDirectory(fs::path root) : root_(std::move(root)) {}

fs::path FsDataDirectory::resolve(const std::string& relPath) const {
    fs::path rel(relPath);
    if (relPath.empty() || rel.has_root_directory() || rel.has_root_name()) return {};
    for (const auto& part : rel) {
        if (part == "..") return {};
    }
    return root_ / rel;
}

bool FsDataDirectory::exists(const std::string& relPath) const {
    fs::path path = resolve(relPath);
    std::error_code ec;
    if (path.empty()) return false;
    fs::path written = fallbackPath(relPath);
    return fs::is_regular_file(path, ec) || (!written.empty() && fs::is_regular_file(written, ec));
}

std::optional<std::vector<std::string>> FsDataDirectory::list(const std::string& relFolder) const {
    fs::path path = resolve(relFolder);
    std::error_code ec;
    if (path.empty() || !fs::is_directory(path, ec)) return std::nullopt;
    std::vector<std::string> names;
    for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void FsDataDirectory::setWriteFallback(fs::path folder) { fallback_ = std::move(folder); }

fs::path FsDataDirectory::fallbackPath(const std::string& relPath) const {
    fs::path path = resolve(relPath);
    if (fallback_.empty() || path.empty()) return {};
    return fallback_ / fs::path(relPath);
}

std::optional<std::string> FsDataDirectory::read(const std::string& relPath) const {
    fs::path path = resolve(relPath);
    if (path.empty()) return std::nullopt;
    std::error_code ec;
    fs::path written = fallbackPath(relPath);
    if (!written.empty() && fs::is_regular_file(written, ec)) path = written;
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
    fs::path written = fallbackPath(relPath);
    std::error_code ec;
    if (!written.empty() && fs::is_regular_file(written, ec)) return writeAtomically(written, bytes);
    if (!rootReadOnly_ && writeAtomically(path, bytes)) return true;
    if (written.empty()) return false;
    fs::create_directories(written.parent_path(), ec);
    return writeAtomically(written, bytes);
}

bool FsDataDirectory::writeAtomically(const fs::path& path, const std::string& bytes) {
    // Written beside and renamed over the old file, so a failed write never
    // leaves half a file behind.
    fs::path temp = path;
    temp += ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace tally
