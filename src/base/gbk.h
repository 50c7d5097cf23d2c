// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace tally {

// Text files of the data directory are GBK; inside, the program works in UTF-8.
// Bytes that are not valid GBK are replaced by U+FFFD rather than dropping the file.
std::string gbkToUtf8(const std::string& gbk);
// nullopt when a character has no GBK form.
std::optional<std::string> utf8ToGbk(const std::string& utf8);

}  // namespace tally
