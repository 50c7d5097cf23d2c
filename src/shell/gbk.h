#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// Text files of the data directory are GBK; inside, the program works in UTF-8.
// Bytes that are not valid GBK are replaced by U+FFFD rather than dropping the file.
std::string gbkToUtf8(const std::string& gbk);
// nullopt when a character has no GBK form.
std::optional<std::string> utf8ToGbk(const std::string& utf8);

// Splits at every LF, dropping the CR of a CR LF; the text after the last line
// end is the last line. Reads files saved with either line end alike.
std::vector<std::string> splitLines(const std::string& text);
// Replaces every occurrence of `from` by `to`.
std::string replaceAll(std::string text, const std::string& from, const std::string& to);

}  // namespace tally
