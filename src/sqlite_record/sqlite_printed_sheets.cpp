// SPDX-License-Identifier: GPL-3.0-or-later
// The sheets printed on paper, each under its code, and the sheet done on
// paper that takes the place of the one marked earlier under the same code.
#include <sqlite3.h>

#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

namespace {

constexpr const char* kPrintedColumns =
    "code, child_id, printed_day, what, title, grading_key, seed, question_count, drill_form, generator_version, page";

PrintedSheet printedRow(const Statement& row) {
    PrintedSheet sheet;
    sheet.code = row.text(0);
    sheet.childId = row.number(1);
    sheet.printedDay = row.text(2);
    sheet.what = row.text(3);
    sheet.title = row.text(4);
    sheet.gradingKey = row.text(5);
    sheet.seed = row.maybeNumber(6);
    sheet.questionCount = static_cast<int>(row.number(7));
    sheet.drillForm = row.text(8);
    sheet.generatorVersion = static_cast<int>(row.number(9));
    sheet.page = row.text(10);
    return sheet;
}

}  // namespace

bool SqliteRecord::keepPrintedSheet(const PrintedSheet& sheet) {
    if (!ensureOpen()) return false;
    return inTransaction([&] {
        Statement keep(db_, std::string("INSERT INTO printed_sheet(") + kPrintedColumns +
                                ") VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11) ON CONFLICT(code) DO NOTHING");
        if (!keep.ok()) return failed("打印的练习卷没有记下");
        keep.bind(1, sheet.code);
        keep.bind(2, sheet.childId);
        keep.bind(3, sheet.printedDay);
        keep.bind(4, sheet.what);
        keep.bind(5, sheet.title);
        keep.bind(6, sheet.gradingKey);
        keep.bind(7, sheet.seed);
        keep.bind(8, static_cast<long long>(sheet.questionCount));
        keep.bind(9, sheet.drillForm);
        keep.bind(10, static_cast<long long>(sheet.generatorVersion));
        keep.bind(11, sheet.page);
        return keep.step() == SQLITE_DONE || failed("打印的练习卷没有记下");
    }) && (worked(), true);
}

std::optional<PrintedSheet> SqliteRecord::printedSheet(const std::string& code) {
    if (!ensureOpen()) return std::nullopt;
    Statement find(db_, std::string("SELECT ") + kPrintedColumns + " FROM printed_sheet WHERE code = ?1");
    if (!find.ok()) return failed("成绩记录读不出来"), std::nullopt;
    find.bind(1, code);
    const int step = find.step();
    if (step != SQLITE_ROW && step != SQLITE_DONE) return failed("成绩记录读不出来"), std::nullopt;
    worked();
    if (step == SQLITE_DONE) return std::nullopt;
    return printedRow(find);
}

std::vector<PrintedSheet> SqliteRecord::printedSheets(long long childId, int limit) {
    std::vector<PrintedSheet> found;
    if (!ensureOpen()) return found;
    Statement list(db_, std::string("SELECT ") + kPrintedColumns +
                            " FROM printed_sheet WHERE child_id = ?1 ORDER BY printed_day DESC, rowid DESC LIMIT ?2");
    if (!list.ok()) return failed("成绩记录读不出来"), found;
    list.bind(1, childId);
    list.bind(2, static_cast<long long>(limit));
    if (!list.eachRow([&] { return found.push_back(printedRow(list)), true; })) {
        return failed("成绩记录读不出来"), std::vector<PrintedSheet>{};
    }
    worked();
    return found;
}

std::optional<std::string> SqliteRecord::paperMarkedOn(long long childId, const std::string& code) {
    if (!ensureOpen()) return std::nullopt;
    Statement find(db_, "SELECT marked_at FROM sheet WHERE child_id = ?1 AND paper_code = ?2 ORDER BY id DESC LIMIT 1");
    if (!find.ok()) return failed("成绩记录读不出来"), std::nullopt;
    find.bind(1, childId);
    find.bind(2, code);
    const int step = find.step();
    if (step != SQLITE_ROW && step != SQLITE_DONE) return failed("成绩记录读不出来"), std::nullopt;
    worked();
    return step == SQLITE_ROW ? find.text(0) : std::string();
}

// The earlier sheets of the code go with their misses and answers; the
// child's copy of the review schedule is worked out again from the sheets
// that stay, since it took those answers in.
bool SqliteRecord::replacePaperSheet(const MarkedSheet& sheet) {
    if (sheet.paperCode.empty() || !ensureOpen()) return false;
    if (!waiting_.empty() && !storeWaiting()) return false;
    return inTransaction([&] {
        for (const char* sql : {"DELETE FROM missed WHERE sheet_id IN"
                                " (SELECT id FROM sheet WHERE child_id = ?1 AND paper_code = ?2)",
                                "DELETE FROM sheet WHERE child_id = ?1 AND paper_code = ?2"}) {
            Statement remove(db_, sql);
            if (!remove.ok()) return failed("成绩记录出错");
            remove.bind(1, sheet.childId);
            remove.bind(2, sheet.paperCode);
            if (remove.step() != SQLITE_DONE) return failed("成绩没有记下");
        }
        bool known = false;
        if (!childKnown(sheet.childId, known)) return false;
        if (!known) return failed("孩子已经不在成绩记录里", RecordTrouble::ChildGone);
        return forgetReview(sheet.childId) && insertSheet(sheet) && markMended(sheet.childId, sheet.mended);
    }) && (worked(), true);
}

}  // namespace tally
