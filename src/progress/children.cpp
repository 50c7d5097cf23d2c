// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/children.h"

#include <utf8proc.h>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tally {
namespace {

constexpr std::array<const char*, 6> kGradeDigits = {"一", "二", "三", "四", "五", "六"};

// The code points of `text`; nothing when it is not well-formed UTF-8.
std::optional<std::vector<utf8proc_int32_t>> codePoints(const std::string& text) {
    std::vector<utf8proc_int32_t> points;
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    for (std::size_t at = 0; at < text.size();) {
        utf8proc_int32_t point = 0;
        const utf8proc_ssize_t length =
            utf8proc_iterate(bytes + at, static_cast<utf8proc_ssize_t>(text.size() - at), &point);
        if (length <= 0) return std::nullopt;
        points.push_back(point);
        at += static_cast<std::size_t>(length);
    }
    return points;
}

// Characters no one sees or that change how the rest is shown: controls,
// format characters (zero-width blanks, direction overrides), line and
// paragraph separators, and code points Unicode has not given a character.
bool unseenOrUnassigned(utf8proc_int32_t point) {
    switch (utf8proc_category(point)) {
        case UTF8PROC_CATEGORY_CC:
        case UTF8PROC_CATEGORY_CF:
        case UTF8PROC_CATEGORY_ZL:
        case UTF8PROC_CATEGORY_ZP:
        case UTF8PROC_CATEGORY_CN:
        case UTF8PROC_CATEGORY_CS: return true;
        default: return false;
    }
}

// `text` in Unicode's composed form (NFC), so that one name typed two ways
// is one name; nothing when it is not well-formed UTF-8.
std::optional<std::string> composed(const std::string& text) {
    if (!codePoints(text)) return std::nullopt;
    utf8proc_uint8_t* result = utf8proc_NFC(reinterpret_cast<const utf8proc_uint8_t*>(text.c_str()));
    if (!result) return std::nullopt;
    std::string normal(reinterpret_cast<const char*>(result));
    std::free(result);
    return normal;
}

}  // namespace

std::string gradeName(int grade) {
    if (grade < 1 || grade > 6) return "";
    return std::string(kGradeDigits[static_cast<std::size_t>(grade - 1)]) + "年级";
}

std::optional<int> gradeNamed(const std::string& text) {
    const std::string trimmed = normalName(text);
    for (int grade = 1; grade <= 6; ++grade) {
        const std::string digit = kGradeDigits[static_cast<std::size_t>(grade - 1)];
        if (trimmed == std::to_string(grade) || trimmed == digit || trimmed == digit + "年级") return grade;
    }
    return std::nullopt;
}

std::string childLine(const Child& child) { return child.name + " · " + gradeName(child.grade); }

std::string normalName(const std::string& name) {
    static const std::array<std::string, 6> blanks = {" ", "\t", "\r", "\n", "\xE3\x80\x80" /* U+3000 */, "\xC2\xA0"};
    std::string text = name;
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string& blank : blanks) {
            if (text.starts_with(blank)) text.erase(0, blank.size()), trimmed = true;
            if (text.ends_with(blank)) text.erase(text.size() - blank.size()), trimmed = true;
        }
    }
    return composed(text).value_or(text);
}

std::optional<std::size_t> visibleLength(const std::string& name) {
    const auto points = codePoints(name);
    if (!points || std::any_of(points->begin(), points->end(), unseenOrUnassigned)) return std::nullopt;
    return points->size();
}

std::string childNameProblem(const std::string& name, const std::vector<std::string>& others) {
    if (name.empty()) return "孩子的名字不能空着。";
    const auto length = visibleLength(name);
    if (!length) return "名字里有看不见的字符或不能用的字符，请把名字删掉，再重新输入一遍。";
    if (*length > static_cast<std::size_t>(kLongestChildName)) {
        return "孩子的名字最多" + std::to_string(kLongestChildName) + "个字。";
    }
    if (name == kEarlierRecordsName) return "“以前的记录”是留给旧成绩的，请换一个名字。";
    if (std::any_of(others.begin(), others.end(), [&](const std::string& other) { return normalName(other) == name; })) {
        return "已经有一个叫“" + name + "”的孩子了，请换一个名字。";
    }
    return "";
}

std::string gradeProblem(int grade) {
    return grade >= 1 && grade <= 6 ? "" : "年级只能是一年级到六年级。";
}

std::optional<Child> childNamed(const std::vector<Child>& children, const std::string& name) {
    const std::string wanted = normalName(name);
    for (const Child& child : children) {
        if (normalName(child.name) == wanted) return child;
    }
    return std::nullopt;
}

}  // namespace tally
