// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>

namespace tally {

// The largest text file of the data directory the program reads as a page or
// as templates; the written ones are a few kilobytes.
inline constexpr std::size_t kLargestDataFile = 1 << 20;

// Whether a file read from the data directory is too large, or, for an HTML
// page, nested too deep to be parsed in good time. Empty when it may be read;
// otherwise the 提示 that names the file and says why.
std::string refusedDataFile(const std::string& relPath, const std::string& bytes, bool html);

}  // namespace tally
