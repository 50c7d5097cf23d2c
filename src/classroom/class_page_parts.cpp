// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/class_page_parts.h"

#include <unicode/ucol.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <utility>

#include "practice/html_parts.h"

namespace tally {

namespace {

constexpr const char* kLinksStyle = R"(
p.links { text-indent: 0; }
p.links a { display: inline-block; margin: 0 10px 6px 0; padding: 2px 14px; border: 1px solid #9cc3a8;
  border-radius: 10px; background: #eef7f0; text-decoration: none; }
@media print { p.links { display: none; } }
)";

}  // namespace

std::string classPageHtml(const std::string& title, const std::string& style, const std::string& body) {
    return "<!DOCTYPE html><html><head><meta charset=\"utf-8\">" + element("title", escaped(title)) +
           "<link rel=stylesheet href=\"reading.css\">" + element("style", kLinksStyle + style) + "</head>" +
           element("body", body) + "</html>";
}

std::string linksBar(const std::vector<std::pair<ClassLink, std::string>>& links) {
    std::string anchors;
    for (const auto& [link, caption] : links) anchors += element("a", escaped(caption), htmlAttr("href", classLink(link)));
    return element("p", anchors, "class=links");
}

namespace {

// A class list is read in the order of the names' 拼音, as the teacher's own
// lists are: ICU's collation of Chinese. Without it, in the order of the code points.
int compareNames(const std::string& a, const std::string& b) {
    static UErrorCode opened = U_ZERO_ERROR;
    static UCollator* const collator = ucol_open("zh", &opened);
    UErrorCode status = U_ZERO_ERROR;
    if (U_SUCCESS(opened)) {
        const UCollationResult order = ucol_strcollUTF8(collator, a.data(), static_cast<int32_t>(a.size()), b.data(),
                                                        static_cast<int32_t>(b.size()), &status);
        if (U_SUCCESS(status)) return order == UCOL_LESS ? -1 : order == UCOL_GREATER ? 1 : 0;
    }
    return a.compare(b);
}

}  // namespace

std::vector<Pupil> pupilsByName(std::vector<Pupil> pupils) {
    std::sort(pupils.begin(), pupils.end(), [](const Pupil& a, const Pupil& b) {
        const int order = compareNames(a.name, b.name);
        return order != 0 ? order < 0 : a.id < b.id;
    });
    return pupils;
}

std::vector<ClassAnswer> countedAnswers(const Assignment& assignment, const std::vector<ClassAnswer>& answers) {
    std::map<std::pair<long long, int>, ClassAnswer> latest;
    for (const ClassAnswer& answer : answers) {
        if (answer.assignmentId != assignment.id || answer.position < 0) continue;
        const auto [place, added] = latest.try_emplace({answer.pupilId, answer.position}, answer);
        if (!added && place->second.answeredAt <= answer.answeredAt) place->second = answer;
    }
    std::vector<ClassAnswer> counted;
    for (auto& [place, answer] : latest) counted.push_back(std::move(answer));
    return counted;
}

std::string secondsText(const std::optional<long long>& ms) {
    if (!ms) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f秒", static_cast<double>(*ms) / 1000.0);
    return text;
}

std::string dayWords(const std::string& day, bool withYear) {
    int year = 0;
    int month = 0;
    int date = 0;
    const auto number = [&](std::size_t at, std::size_t length, int& value) {
        return std::from_chars(day.data() + at, day.data() + at + length, value).ec == std::errc();
    };
    if (day.size() != 10 || !number(0, 4, year) || !number(5, 2, month) || !number(8, 2, date)) return day;
    return (withYear ? std::to_string(year) + "年" : "") + std::to_string(month) + "月" + std::to_string(date) + "日";
}

}  // namespace tally
