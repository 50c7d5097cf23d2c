// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/pupil_list.h"

#include <sodium.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <optional>

#include "base/gbk.h"
#include "classroom/csv_rows.h"
#include "progress/children.h"

namespace tally {
namespace {

constexpr int kLongestPupilName = 12;  // characters, as the server keeps them
constexpr const char* kBom = "\xEF\xBB\xBF";

bool wellFormedUtf8(const std::string& bytes) {
    const auto* text = reinterpret_cast<const uint8_t*>(bytes.data());
    const auto length = static_cast<int32_t>(bytes.size());
    for (int32_t at = 0; at < length;) {
        UChar32 c = 0;
        U8_NEXT(text, at, length, c);
        if (c < 0) return false;
    }
    return true;
}

std::string listText(const std::string& bytes) {
    if (bytes.starts_with(kBom)) return bytes.substr(3);
    return wellFormedUtf8(bytes) ? bytes : gbkToUtf8(bytes);
}

// Where the name and the PIN stand in a row.
struct Columns {
    std::size_t name = 0;
    std::optional<std::size_t> pin;
    bool header = false;
};

Columns columnsOf(const std::vector<std::string>& first) {
    Columns columns;
    columns.pin = 1;
    for (std::size_t at = 0; at < first.size(); ++at) {
        const std::string cell = normalName(first[at]);
        if (cell == "姓名" || cell == "名字") columns.name = at, columns.header = true;
    }
    if (!columns.header) return columns;
    columns.pin.reset();
    for (std::size_t at = 0; at < first.size(); ++at) {
        const std::string cell = normalName(first[at]);
        if (cell == "密码" || cell == "PIN" || cell == "pin") columns.pin = at;
    }
    return columns;
}

std::string fieldAt(const CsvRow& row, std::optional<std::size_t> at) {
    return at && *at < row.fields.size() ? normalName(row.fields[*at]) : "";
}

}  // namespace

std::string freshPin() {
    [[maybe_unused]] static const int started = sodium_init();
    std::string pin = std::to_string(randombytes_uniform(10000));
    return std::string(4 - pin.size(), '0') + pin;
}

std::string pupilNameProblem(const std::string& name, const std::vector<std::string>& existing) {
    if (name.empty()) return "没有名字。";
    const auto length = visibleLength(name);
    if (!length) return "名字里有看不见的字符或不能用的字符。";
    if (*length > static_cast<std::size_t>(kLongestPupilName)) {
        return "名字最多" + std::to_string(kLongestPupilName) + "个字。";
    }
    if (name.find_first_not_of("0123456789") == std::string::npos) return "名字不能只是数字，这可能是学号。";
    if (std::find(existing.begin(), existing.end(), name) != existing.end()) {
        return "班里已经有叫这个名字的同学了，同一个班的名字要不一样。";
    }
    return "";
}

std::string pinProblem(const std::string& pin) {
    const bool digits = !pin.empty() && pin.find_first_not_of("0123456789") == std::string::npos;
    return digits && pin.size() >= 4 && pin.size() <= 8 ? "" : "密码要写4到8位数字。";
}

PupilList readPupilList(const std::string& bytes, const std::vector<std::string>& existing,
                        const std::function<std::string()>& makePin) {
    const std::vector<CsvRow> rows = csvRows(listText(bytes));
    PupilList list;
    if (rows.empty()) return list;
    const Columns columns = columnsOf(rows.front().fields);
    std::vector<std::string> listed;
    for (std::size_t at = columns.header ? 1 : 0; at < rows.size(); ++at) {
        const CsvRow& row = rows[at];
        const std::string name = fieldAt(row, columns.name);
        std::string pin = fieldAt(row, columns.pin);
        std::string why = pupilNameProblem(name, existing);
        if (why.empty() && std::find(listed.begin(), listed.end(), name) != listed.end()) {
            why = "名单里前面已经有这个名字了，同一个班的名字要不一样。";
        }
        if (why.empty() && !pin.empty()) why = pinProblem(pin);
        if (!why.empty()) {
            list.refused.push_back({row.line, name, why});
            continue;
        }
        listed.push_back(name);
        list.pupils.push_back({row.line, name, pin.empty() ? makePin() : pin});
    }
    return list;
}

}  // namespace tally
