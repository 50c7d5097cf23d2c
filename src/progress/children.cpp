#include "progress/children.h"

#include <algorithm>
#include <array>

namespace tally {
namespace {

constexpr std::array<const char*, 6> kGradeDigits = {"一", "二", "三", "四", "五", "六"};

// Characters of well-formed UTF-8 text: the bytes that do not continue one.
std::size_t characters(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool validUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                           : lead >= 0xF0 && lead <= 0xF4   ? 4
                                                                            : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

bool hasControl(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

}  // namespace

std::string gradeName(int grade) {
    if (grade < 1 || grade > 6) return "";
    return std::string(kGradeDigits[static_cast<std::size_t>(grade - 1)]) + "年级";
}

std::optional<int> gradeNamed(const std::string& text) {
    const std::string trimmed = trimmedName(text);
    for (int grade = 1; grade <= 6; ++grade) {
        const std::string digit = kGradeDigits[static_cast<std::size_t>(grade - 1)];
        if (trimmed == std::to_string(grade) || trimmed == digit || trimmed == digit + "年级") return grade;
    }
    return std::nullopt;
}

std::string childLine(const Child& child) { return child.name + " · " + gradeName(child.grade); }

std::string trimmedName(const std::string& name) {
    static const std::array<std::string, 6> blanks = {" ", "\t", "\r", "\n", "\xE3\x80\x80" /* U+3000 */, "\xC2\xA0"};
    std::string text = name;
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string& blank : blanks) {
            if (text.starts_with(blank)) text.erase(0, blank.size()), trimmed = true;
            if (text.ends_with(blank)) text.erase(text.size() - blank.size()), trimmed = true;
        }
    }
    return text;
}

std::string childNameProblem(const std::string& name, const std::vector<std::string>& others) {
    if (name.empty()) return "孩子的名字不能空着。";
    if (!validUtf8(name) || hasControl(name)) return "孩子的名字里有不能用的字符。";
    if (characters(name) > static_cast<std::size_t>(kLongestChildName)) {
        return "孩子的名字最多" + std::to_string(kLongestChildName) + "个字。";
    }
    if (name == kEarlierRecordsName) return "“以前的记录”是留给旧成绩的，请换一个名字。";
    if (std::find(others.begin(), others.end(), name) != others.end()) {
        return "已经有一个叫“" + name + "”的孩子了，请换一个名字。";
    }
    return "";
}

std::string gradeProblem(int grade) {
    return grade >= 1 && grade <= 6 ? "" : "年级只能是一年级到六年级。";
}

std::optional<Child> childNamed(const std::vector<Child>& children, const std::string& name) {
    const std::string wanted = trimmedName(name);
    for (const Child& child : children) {
        if (child.name == wanted) return child;
    }
    return std::nullopt;
}

}  // namespace tally
