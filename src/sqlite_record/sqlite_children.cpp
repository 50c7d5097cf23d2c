// SPDX-License-Identifier: GPL-3.0-or-later
// The children of the record and the settings kept for each.
#include <sqlite3.h>

#include "sqlite_record/record_schema.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

namespace {

constexpr const char* kLastChildKey = "last_child";

// The keys a settings row is kept under.
constexpr const char* kCountKey = "question_count";
constexpr const char* kMemoryKey = "memory_time";
constexpr const char* kFormKey = "drill_form";
constexpr const char* kTabKey = "tab";
constexpr const char* kTopicKey = "topic_key";
constexpr const char* kChildMarksKey = "child_marks";
constexpr const char* kMasteryMarksKey = "mastery_marks";

int numberOf(const std::string& text) {
    try {
        return std::stoi(text);
    } catch (...) {
        return 0;
    }
}

}  // namespace

bool SqliteRecord::readChildren(std::vector<Child>& found) {
    Statement query(db_, "SELECT id, name, grade FROM child ORDER BY id");
    if (!query.ok()) return failed("成绩记录读不出来");
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        found.push_back({query.number(0), query.text(1), static_cast<int>(query.number(2))});
    }
    return step == SQLITE_DONE || failed("成绩记录读不出来");
}

bool SqliteRecord::childKnown(long long childId, bool& known) {
    known = childId == kEarlierRecords;
    if (known) return true;
    Statement query(db_, "SELECT 1 FROM child WHERE id = ?1");
    query.bind(1, childId);
    const std::optional<bool> found = query.ok() ? query.hasRow() : std::nullopt;
    if (!found) return failed("成绩记录读不出来");
    known = *found;
    return true;
}

std::vector<Child> SqliteRecord::children() {
    std::vector<Child> found;
    if (!ensureOpen()) return found;
    if (!readChildren(found)) return {};
    worked();
    return found;
}

// One change of the children, checked against the children as they are
// inside the same write transaction: two programs changing them at once take
// turns, and the second sees what the first did.
std::string SqliteRecord::changeChildren(const std::function<std::string(const std::vector<Child>&)>& change) {
    if (!ensureOpen()) return kNoChildren;
    worked();
    std::string refusal;
    const bool done = inTransaction([&] {
        std::vector<Child> current;
        if (!readChildren(current)) return false;
        refusal = change(current);
        return refusal.empty() && trouble_ == RecordTrouble::None;
    });
    if (!refusal.empty()) return refusal;
    if (!done) return "孩子的名单没有改成：" + error_;
    worked();
    return "";
}

namespace {

std::vector<std::string> namesBut(const std::vector<Child>& children, long long childId) {
    std::vector<std::string> names;
    for (const Child& child : children) {
        if (child.id != childId) names.push_back(child.name);
    }
    return names;
}

bool known(const std::vector<Child>& children, long long childId) {
    for (const Child& child : children) {
        if (child.id == childId) return true;
    }
    return false;
}

constexpr const char* kUnknownChild = "没有这个孩子。";

}  // namespace

std::string SqliteRecord::addChild(const std::string& typed, int grade) {
    const std::string name = normalName(typed);
    return changeChildren([&](const std::vector<Child>& children) -> std::string {
        if (std::string problem = childNameProblem(name, namesBut(children, -1)); !problem.empty()) return problem;
        if (std::string problem = gradeProblem(grade); !problem.empty()) return problem;
        if (static_cast<int>(children.size()) >= kMostChildNames) {
            return "最多只能有" + std::to_string(kMostChildNames) + "个孩子。";
        }
        Statement insert(db_, "INSERT INTO child(name, grade) VALUES(?1, ?2)");
        insert.bind(1, name);
        insert.bind(2, static_cast<long long>(grade));
        if (!insert.ok() || insert.step() != SQLITE_DONE) failed("孩子没有记下");
        return "";
    });
}

std::string SqliteRecord::renameChild(long long childId, const std::string& typed) {
    const std::string name = normalName(typed);
    return changeChildren([&](const std::vector<Child>& children) -> std::string {
        if (!known(children, childId)) return kUnknownChild;
        if (std::string problem = childNameProblem(name, namesBut(children, childId)); !problem.empty()) {
            return problem;
        }
        Statement update(db_, "UPDATE child SET name = ?1 WHERE id = ?2");
        update.bind(1, name);
        update.bind(2, childId);
        if (!update.ok() || update.step() != SQLITE_DONE) failed("名字没有改成");
        return "";
    });
}

std::string SqliteRecord::setChildGrade(long long childId, int grade) {
    return changeChildren([&](const std::vector<Child>& children) -> std::string {
        if (!known(children, childId)) return kUnknownChild;
        if (std::string problem = gradeProblem(grade); !problem.empty()) return problem;
        Statement update(db_, "UPDATE child SET grade = ?1 WHERE id = ?2");
        update.bind(1, static_cast<long long>(grade));
        update.bind(2, childId);
        if (!update.ok() || update.step() != SQLITE_DONE) failed("年级没有改成");
        return "";
    });
}

// The child, the child's sheets with their misses, the child's settings and
// saved mixes and kept practice, all in one transaction.
std::string SqliteRecord::removeChild(long long childId) {
    if (!waiting_.empty()) storeWaiting();
    return changeChildren([&](const std::vector<Child>& children) -> std::string {
        if (!known(children, childId)) return kUnknownChild;
        if (!forgetReview(childId, false)) return "";
        // Mixes and a kept practice are kept in tables a file made before them lacks.
        if (!exec(sqlite::kSavedMixTables) || !exec(sqlite::kKeptPracticeTables)) return "";
        // A practice sheet's answers go with it.
        for (const char* sql : {"DELETE FROM missed WHERE sheet_id IN (SELECT id FROM sheet WHERE child_id = ?1)",
                                "DELETE FROM sheet WHERE child_id = ?1", "DELETE FROM setting WHERE owner = ?1",
                                "DELETE FROM saved_mix_part WHERE owner = ?1", "DELETE FROM saved_mix WHERE owner = ?1",
                                "DELETE FROM kept_practice WHERE owner = ?1", "DELETE FROM kept_practice_field WHERE owner = ?1",
                                "DELETE FROM child WHERE id = ?1"}) {
            Statement remove(db_, sql);
            remove.bind(1, childId);
            if (!remove.ok() || remove.step() != SQLITE_DONE) {
                failed("孩子没有删掉");
                return "";
            }
        }
        return "";
    });
}

std::string SqliteRecord::giveEarlierSheets(long long childId) {
    if (!waiting_.empty()) storeWaiting();
    return changeChildren([&](const std::vector<Child>& children) -> std::string {
        if (!known(children, childId)) return kUnknownChild;
        // The child's review schedule is worked out again with the sheets given.
        if (!forgetReview(childId) || !forgetReview(kEarlierRecords)) return "";
        Statement update(db_, "UPDATE sheet SET child_id = ?1 WHERE child_id = ?2");
        update.bind(1, childId);
        update.bind(2, kEarlierRecords);
        if (!update.ok() || update.step() != SQLITE_DONE) failed("以前的记录没有转过去");
        return "";
    });
}

int SqliteRecord::earlierSheetCount() {
    if (!ensureOpen()) return 0;
    Statement count(db_, "SELECT COUNT(*) FROM sheet WHERE child_id = ?1");
    count.bind(1, kEarlierRecords);
    if (!count.ok() || count.step() != SQLITE_ROW) return failed("成绩记录读不出来"), 0;
    worked();
    return static_cast<int>(count.number(0));
}

std::optional<ChildSettings> SqliteRecord::settings(long long owner) {
    if (!ensureOpen()) return std::nullopt;
    Statement query(db_, "SELECT key, value FROM setting WHERE owner = ?1");
    if (!query.ok()) return failed("成绩记录读不出来"), std::nullopt;
    query.bind(1, owner);
    ChildSettings found;
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        const std::string key = query.text(0);
        const std::string value = query.text(1);
        if (key == kCountKey) found.questionCount = numberOf(value);
        else if (key == kMemoryKey) found.memoryTime = numberOf(value);
        else if (key == kFormKey) found.drillForm = value;
        else if (key == kTabKey) found.tab = value;
        else if (key == kTopicKey) found.topicKey = value;
        else if (key == kChildMarksKey) found.childMarks = value;
        else if (key == kMasteryMarksKey) found.masteryMarks = value;
    }
    if (step != SQLITE_DONE) return failed("成绩记录读不出来"), std::nullopt;
    worked();
    if (found.empty()) return std::nullopt;
    return found;
}

bool SqliteRecord::saveSettings(long long owner, const ChildSettings& settings) {
    if (!ensureOpen()) return false;
    const std::pair<const char*, std::string> rows[] = {
        {kCountKey, settings.questionCount > 0 ? std::to_string(settings.questionCount) : ""},
        {kMemoryKey, settings.memoryTime > 0 ? std::to_string(settings.memoryTime) : ""},
        {kFormKey, settings.drillForm},
        {kTabKey, settings.tab},
        {kTopicKey, settings.topicKey},
        {kChildMarksKey, settings.childMarks},
        {kMasteryMarksKey, settings.masteryMarks},
    };
    const bool saved = inTransaction([&] {
        Statement put(db_, "INSERT OR REPLACE INTO setting(owner, key, value) VALUES(?1, ?2, ?3)");
        Statement drop(db_, "DELETE FROM setting WHERE owner = ?1 AND key = ?2");
        if (!put.ok() || !drop.ok()) return failed("设置没有记下");
        for (const auto& [key, value] : rows) {
            Statement& statement = value.empty() ? drop : put;
            statement.reset();
            statement.bind(1, owner);
            statement.bind(2, std::string(key));
            if (!value.empty()) statement.bind(3, value);
            if (statement.step() != SQLITE_DONE) return failed("设置没有记下");
        }
        return true;
    });
    if (saved) worked();
    return saved;
}

long long SqliteRecord::lastChild() {
    if (!ensureOpen()) return kEarlierRecords;
    Statement query(db_, "SELECT value FROM setting WHERE owner = ?1 AND key = ?2");
    query.bind(1, kEarlierRecords);
    query.bind(2, std::string(kLastChildKey));
    const int step = query.step();
    if (step == SQLITE_ROW) return numberOf(query.text(0));
    if (step != SQLITE_DONE) failed("成绩记录读不出来");
    return kEarlierRecords;
}

void SqliteRecord::setLastChild(long long childId) {
    if (!ensureOpen()) return;
    inTransaction([&] {
        Statement put(db_, "INSERT OR REPLACE INTO setting(owner, key, value) VALUES(?1, ?2, ?3)");
        put.bind(1, kEarlierRecords);
        put.bind(2, std::string(kLastChildKey));
        put.bind(3, std::to_string(childId));
        return put.step() == SQLITE_DONE || failed("设置没有记下");
    });
}

}  // namespace tally
