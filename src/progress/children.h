// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tally {

// A child a parent named: each keeps their own sheets, misses and settings.
struct Child {
    long long id = 0;
    std::string name;
    int grade = 1;  // 1…6

    bool operator==(const Child&) const = default;
};

// The owner of the sheets stored before any child was named, and of the
// computer's own settings: "以前的记录".
inline constexpr long long kEarlierRecords = 0;
inline constexpr const char* kEarlierRecordsName = "以前的记录";

inline constexpr int kMostChildNames = 12;
inline constexpr int kLongestChildName = 12;  // characters, not bytes

// "一年级" … "六年级"; "" outside 1…6.
std::string gradeName(int grade);
// 1…6 for "1"…"6", "一年级"…"六年级", "一"…"六"; nothing otherwise.
std::optional<int> gradeNamed(const std::string& text);
// "小明 · 二年级", as the title and the status bar say who is practising.
std::string childLine(const Child& child);

// A name as typed, as it is kept and compared: blanks (also full-width
// ones) at both ends removed, in Unicode's composed form (NFC); text that is
// not well-formed UTF-8 only trimmed, for childNameProblem to refuse.
std::string normalName(const std::string& name);
// Why a name cannot be given, in Chinese; "" when it can. `name` is a
// normalName already; `others` are the names of the other children, as kept
// (names kept before they were normalised count as their normal form).
std::string childNameProblem(const std::string& name, const std::vector<std::string>& others);
// How many characters `name` has; nothing when it is not well-formed UTF-8
// or holds a character no one sees (controls, zero-width blanks, …).
std::optional<std::size_t> visibleLength(const std::string& name);
std::string gradeProblem(int grade);

// The child of that name (both as normalName), or nothing.
std::optional<Child> childNamed(const std::vector<Child>& children, const std::string& name);

// What a parent chose for a child, kept in the record: 0 or "" for a value
// never chosen, which then keeps the program's own start value.
struct ChildSettings {
    int questionCount = 0;
    int memoryTime = 0;
    std::string drillForm;  // "normal", "vertical", "inequality", "decimal"
    std::string tab;
    std::string topicKey;
    // The computer's own only: "off" when a child alone may not have sheets
    // marked.
    std::string childMarks;
    // "off" when the parent turned the tree's marks off.
    std::string masteryMarks;

    bool empty() const { return *this == ChildSettings{}; }
    bool operator==(const ChildSettings&) const = default;
};

}  // namespace tally
