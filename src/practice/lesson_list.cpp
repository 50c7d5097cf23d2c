// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/lesson_list.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "base/gbk.h"
#include "base/text.h"

namespace tally {
namespace {

constexpr std::size_t kMaxLessons = 999;  // three digits of the key
constexpr const char* kPracticeMark = "练习=";

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::vector<std::string> drillsOf(const DataDirectory& data, int grade, const std::string& number) {
    const auto bytes = data.read("lessons/" + std::to_string(grade) + "/" + number + ".txt");
    if (!bytes) return {};
    const std::string text = gbkToUtf8(*bytes);
    const std::string firstLine = text.substr(0, text.find('\n'));
    if (!firstLine.starts_with(kPracticeMark)) return {};
    std::vector<std::string> keys;
    std::istringstream list(firstLine.substr(std::string(kPracticeMark).size()));
    for (std::string key; std::getline(list, key, ',');) {
        if (!trimmed(key).empty()) keys.push_back(trimmed(key));
    }
    return keys;
}

}  // namespace

std::vector<LessonEntry> readLessonList(const DataDirectory& data, int grade) {
    std::vector<LessonEntry> lessons;
    if (grade < 1 || grade > 6) return lessons;
    const auto bytes = data.read(std::to_string(grade) + ".txt");
    if (!bytes) return lessons;
    const std::vector<std::string> lines = splitLines(gbkToUtf8(*bytes));
    const std::string gradeKey = "q53330" + std::to_string(grade + 1);
    for (std::size_t i = 0; i < lines.size() && i < kMaxLessons; ++i) {
        if (lines[i].empty()) continue;
        char number[8];
        std::snprintf(number, sizeof number, "%03zu", i + 1);
        std::string caption = lines[i];
        std::replace_if(caption.begin(), caption.end(), [](char c) { return c == '\t' || c == '\r'; }, ' ');
        lessons.push_back({gradeKey + number, caption, drillsOf(data, grade, number)});
    }
    return lessons;
}

}  // namespace tally
