// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/reading_frame.h"

#include "page/html_page.h"

namespace tally {

std::string readingFrame(const std::string& title, const std::string& bodyHtml) {
    // Built in memory, so the page is UTF-8 like every text inside the program.
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           escapeHtmlText(title) + "</title>\n<link rel=\"stylesheet\" href=\"reading.css\">\n</head>\n<body>\n" +
           bodyHtml + "\n</body>\n</html>\n";
}

std::string missingReadingPage(const std::string& title) {
    return readingFrame(title, "<h1>" + escapeHtmlText(title) +
                                   "</h1>\n<p>对不起，这一页暂时找不到了。</p>\n"
                                   "<p>请爸爸妈妈看看程序的数据文件夹是不是完整。你可以先读一读别的内容。</p>");
}

}  // namespace tally
