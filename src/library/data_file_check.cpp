// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/data_file_check.h"

#include "page/html_parse.h"

namespace tally {

std::string refusedDataFile(const std::string& relPath, const std::string& bytes, bool html) {
    const std::string file = "文件“" + relPath + "”";
    const std::string ending = "，程序不读它。请爸爸妈妈检查这个文件。";
    if (bytes.size() > kLargestDataFile) {
        return file + "太大了（超过" + std::to_string(kLargestDataFile >> 20) + "MB）" + ending;
    }
    if (html && htmlNestingDepth(bytes) > kDeepestHtmlNesting) {
        return file + "里的标签一层套一层，超过了" + std::to_string(kDeepestHtmlNesting) + "层" + ending;
    }
    return "";
}

}  // namespace tally
