// SPDX-License-Identifier: GPL-3.0-or-later
// The nodes of the knowledge and reading pages: 基础知识, the lectures with
// the book and the stories read from the data directory, and the papers.
#include <algorithm>
#include <array>
#include <cctype>

#include "library/reading_pages.h"

namespace tally {
namespace {

constexpr std::array<const char*, 23> kExamPapers = {
    "1年级1学期期中考试题", "1年级1学期期末考试题", "1年级2学期期中考试题", "1年级2学期期末考试题",
    "2年级1学期期中考试题", "2年级1学期期末考试题", "2年级2学期期中考试题", "2年级2学期期末考试题",
    "3年级1学期期中考试题", "3年级1学期期末考试题", "3年级2学期期中考试题", "3年级2学期期末考试题",
    "4年级1学期期中考试题", "4年级1学期期末考试题", "4年级2学期期中考试题", "4年级2学期期末考试题",
    "5年级1学期期中考试题", "5年级1学期期末考试题", "5年级2学期期中考试题", "5年级2学期期末考试题",
    "6年级1学期期中考试题", "6年级1学期期末考试题", "6年级2学期期末考试题"};
constexpr std::array<const char*, 23> kExamAnswers = {
    "1年级1学期期中考答案", "1年级1学期期末考答案", "1年级2学期期中考答案", "1年级2学期期末考答案",
    "2年级1学期期中考答案", "2年级1学期期末考答案", "2年级2学期期中考答案", "2年级2学期期末考答案",
    "3年级1学期期中考答案", "3年级1学期期末考答案", "3年级2学期期中考答案", "3年级2学期期末考答案",
    "4年级1学期期中考答案", "4年级1学期期末考答案", "4年级2学期期中考答案", "4年级2学期期末考答案",
    "5年级1学期期中考答案", "5年级1学期期末考答案", "5年级2学期期中考答案", "5年级2学期期末考答案",
    "6年级1学期期中考答案", "6年级1学期期末考答案", "6年级2学期期末考答案"};

bool isPageName(const std::string& name) {
    const std::string extension = ".htm";
    if (name.size() <= extension.size()) return false;
    return std::equal(extension.begin(), extension.end(), name.end() - extension.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

// Pages of a folder, numbered from 1 in name order; the folder's own index
// page is skipped but keeps its number. Past 999 pages the keys would run into
// the next folder's.
void addFolder(std::vector<TopicRow>& rows, const std::string& folder, const std::string& skip, int base,
               const std::string& sigil, const std::string& parent, const DataDirectory& data) {
    auto names = data.list(folder);
    if (!names) return;
    for (size_t i = 1; i <= names->size() && i <= kMaxNumberedRows; ++i) {
        const std::string& name = (*names)[i - 1];
        if (name == skip || !isPageName(name)) continue;
        const std::string number = std::to_string(base + static_cast<int>(i));
        rows.push_back({"q" + number, oneLineCaption(name.substr(0, name.size() - 4)), sigil + number, parent});
    }
}

std::vector<TopicRow> lectureRows(const DataDirectory& data) {
    std::vector<TopicRow> rows = {
        {"q666666", "讲座和故事", "#666666", ""},
        {"q100", "数学讲座", "#100", "q666666", true},
        {"q1001", "添运算符号", "#1001", "q100"},
        {"q1002", "数列中的规律", "#1002", "q100"},
        {"q1003", "等差数列的认识", "#1003", "q100"},
        {"q1004", "等差数列的应用", "#1004", "q100"},
        {"q1005", "特殊数列的计算", "#1005", "q100"},
        {"q1006", "速算方法（一）", "#1006", "q100"},
        {"q1007", "速算方法（二）", "#1007", "q100"},
        {"q1008", "常用速算方法", "#1008", "q100"},
    };
    rows.push_back({"q300", "教你思考", "j300", "q666666", true});
    addFolder(rows, "book", "教你思考.htm", 3000, "j", "q300", data);
    rows.push_back({"q400", "数学故事", "g400", "q666666", true});
    addFolder(rows, "story", "数学故事.htm", 4000, "g", "q400", data);
    return rows;
}

// Numbered nodes under one parent, one for each caption.
void addNumbered(std::vector<TopicRow>& rows, const auto& captions, int first, const std::string& parent) {
    for (size_t i = 0; i < captions.size(); ++i) {
        const std::string number = std::to_string(first + static_cast<int>(i));
        rows.push_back({"q" + number, captions[i], "#" + number, parent});
    }
}

std::vector<TopicRow> paperRows() {
    std::vector<TopicRow> rows = {{"q200", "考试试卷", "#200", ""}};
    addNumbered(rows, kExamPapers, 2001, "q200");
    addNumbered(rows, kExamAnswers, 2037, "q200");
    return rows;
}

std::vector<TopicRow> olympiadRows() {
    std::vector<std::string> papers;
    std::vector<std::string> answers;
    for (int year = 1991; year <= 2003; ++year) {
        papers.push_back(std::to_string(year) + "年全国奥数题");
        answers.push_back(std::to_string(year) + "年全国奥数答案");
    }
    std::vector<TopicRow> rows = {{"q199", "奥数试卷", "#199", ""}};
    addNumbered(rows, papers, 2024, "q199");
    addNumbered(rows, answers, 2060, "q199");
    return rows;
}

}  // namespace

TopicSections ReadingFamily::topics(const std::string& tab, const DataDirectory& data) const {
    if (tab == "T6") {
        return {{{
            {"q600", "基础知识", "{600", ""},
            {"q6002", "整数", "{6002", "q600"},
            {"q6003", "小数", "{6003", "q600"},
            {"q6004", "分数", "{6004", "q600"},
            {"q6005", "比例", "{6005", "q600"},
            {"q6006", "几何", "{6006", "q600"},
            {"q6009", "几何图形", "{6009", "q600"},
            {"q6007", "小学英语一年级", "{6007", "q600"},
            {"q6008", "小学英语牛津版一年级第一学期单词", "{6008", "q600"},
            {"q6010", "小学英语牛津版一年级第二学期单词", "{6010", "q600"},
            {"q6011", "小学英语PEP版三年级第一学期单词", "{6011", "q600"},
            {"q6012", "小学英语PEP版三年级第二学期单词", "{6012", "q600"},
        }}};
    }
    if (tab == "T13") return {{lectureRows(data)}};
    if (tab == "T14") return {{paperRows()}};
    if (tab == "T15") return {{olympiadRows()}};
    return {};
}

}  // namespace tally
