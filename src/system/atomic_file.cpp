// SPDX-License-Identifier: GPL-3.0-or-later
#include "system/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "progress/owner_only_files.h"

namespace tally {
namespace fs = std::filesystem;
namespace {

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

bool holds(const fs::path& path, const std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str() == bytes;
}

// Makes the rename itself durable.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The temporary file takes the owner of the file it replaces and its mode (a
// login file shared by the users of one computer stays readable to them), or
// a new file's usual mode; the user's own data is closed to others. An owner
// that cannot be kept is left as it is.
void takeModeOf(int fd, const fs::path& path, FileReaders readers) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0) {
        ::fchmod(fd, static_cast<mode_t>(readers == FileReaders::OwnerOnly ? 0600u : newFileMode()));
        return;
    }
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    const unsigned mode = existing.st_mode & 07777;
    ::fchmod(fd, static_cast<mode_t>(readers == FileReaders::OwnerOnly ? ownerOnlyMode(mode) : mode));
}

}  // namespace

unsigned newFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) return 0666u & ~static_cast<unsigned>(std::stoul(line.substr(6), nullptr, 8));
    }
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

bool replaceFileAtomically(const fs::path& path, const std::string& bytes, FileReaders readers) {
    const std::string pattern = path.string() + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return false;
    takeModeOf(fd, path, readers);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(temp.data(), path.c_str()) != 0) {
        ::unlink(temp.data());
        return false;
    }
    syncFolder(path.parent_path().empty() ? fs::path(".") : path.parent_path());
    return holds(path, bytes);
}

}  // namespace tally
