// SPDX-License-Identifier: GPL-3.0-or-later
// The nodes of 同步教学: the grades' lessons, read from the data directory,
// and the summaries of every half-year.
#include <cstdio>

#include "library/lessons.h"
#include "base/gbk.h"
#include "base/text.h"

namespace tally {
namespace {

std::string threeDigits(size_t number) {
    char text[8];
    std::snprintf(text, sizeof text, "%03zu", number);
    return text;
}

// Lesson titles of one grade: line i of the file becomes child i + 1. Lines
// end in CR LF, or in LF alone when an ordinary editor saved the file.
void addLessons(std::vector<TopicRow>& rows, const std::string& gradeKey, int grade, const DataDirectory& data) {
    auto bytes = data.read(std::to_string(grade) + ".txt");
    if (!bytes) return;
    std::vector<std::string> lines = splitLines(gbkToUtf8(*bytes));
    const std::string tagStem = "{" + gradeKey.substr(1);
    for (size_t i = 0; i < lines.size() && i < kMaxNumberedRows; ++i) {
        if (lines[i].empty()) continue;
        const std::string number = threeDigits(i + 1);
        rows.push_back({gradeKey + number, oneLineCaption(lines[i]), tagStem + number, gradeKey});
    }
}

std::vector<TopicRow> lessonRows(const DataDirectory& data) {
    std::vector<TopicRow> rows = {{"q5333", "同步教学", "{5333", ""}};
    for (int grade = 1; grade <= 6; ++grade) {
        const std::string key = "q53330" + std::to_string(grade + 1);
        rows.push_back({key, "小学" + std::to_string(grade) + "年级", "{" + key.substr(1), "q5333"});
        addLessons(rows, key, grade, data);
    }
    return rows;
}

}  // namespace

TopicSections LessonFamily::topics(const std::string& tab, const DataDirectory& data) const {
    if (tab != "T7") return {};
    return {
        {lessonRows(data)},
        {{
            {"q5222", "小学各年级知识点总结", "{5222", ""},
            {"q522202", "小学1年级上", "{522202", "q5222"},
            {"q522203", "小学1年级下", "{522203", "q5222"},
            {"q522204", "小学2年级上", "{522204", "q5222"},
            {"q522205", "小学2年级下", "{522205", "q5222"},
            {"q522206", "小学3年级上", "{522206", "q5222"},
            {"q522207", "小学3年级下", "{522207", "q5222"},
            {"q522208", "小学4年级上", "{522208", "q5222"},
            {"q522209", "小学4年级下", "{522209", "q5222"},
            {"q522210", "小学5年级上", "{522210", "q5222"},
            {"q522211", "小学5年级下", "{522211", "q5222"},
            {"q522212", "小学6年级上", "{522212", "q5222"},
            {"q522213", "小学6年级下", "{522213", "q5222"},
        }},
    };
}

}  // namespace tally
