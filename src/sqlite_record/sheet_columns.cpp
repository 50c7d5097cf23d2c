// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/sheet_columns.h"

#include <algorithm>
#include <string_view>

namespace tally::sqlite {
namespace {

// In the order bindSheetColumns() binds them and sheetOf() reads them.
constexpr std::string_view kColumns =
    "marked_at, tab, topic, topic_key, drill_form, questions, right_answers, score, seconds, child_id, paper_code, assignment";

std::string parameters(int count) {
    std::string list;
    for (int number = 1; number <= count; ++number) list += (number > 1 ? ", ?" : "?") + std::to_string(number);
    return list;
}

std::string columns(const std::string& extraColumn) {
    return std::string(kColumns) + (extraColumn.empty() ? "" : ", " + extraColumn);
}

}  // namespace

int sheetColumnCount() { return static_cast<int>(std::ranges::count(kColumns, ',')) + 1; }

std::string selectSheets(const std::string& table, const std::string& extraColumn) {
    return "SELECT id, " + columns(extraColumn) + " FROM " + table;
}

std::string insertSheet(const std::string& table, const std::string& extraColumn) {
    return "INSERT INTO " + table + "(" + columns(extraColumn) + ") VALUES(" +
           parameters(sheetColumnCount() + (extraColumn.empty() ? 0 : 1)) + ")";
}

void bindSheetColumns(Statement& statement, const MarkedSheet& sheet) {
    statement.bind(1, sheet.when);
    statement.bind(2, sheet.tabCaption);
    statement.bind(3, sheet.topicCaption);
    statement.bind(4, sheet.topicKey);
    statement.bind(5, sheet.drillForm);
    statement.bind(6, static_cast<long long>(sheet.questions));
    statement.bind(7, static_cast<long long>(sheet.right));
    statement.bind(8, static_cast<long long>(sheet.score));
    statement.bind(9, static_cast<long long>(sheet.seconds));
    statement.bind(10, sheet.childId);
    statement.bind(11, sheet.paperCode);
    statement.bind(12, sheet.assignment);
}

MarkedSheet sheetOf(const Statement& row) {
    MarkedSheet sheet;
    sheet.when = row.text(1);
    sheet.tabCaption = row.text(2);
    sheet.topicCaption = row.text(3);
    sheet.topicKey = row.text(4);
    sheet.drillForm = row.text(5);
    sheet.questions = static_cast<int>(row.number(6));
    sheet.right = static_cast<int>(row.number(7));
    sheet.score = static_cast<int>(row.number(8));
    sheet.seconds = static_cast<int>(row.number(9));
    sheet.childId = row.number(10);
    sheet.paperCode = row.text(11);
    sheet.assignment = row.text(12);
    return sheet;
}

void bindAnswerTime(Statement& statement, int first, const AnswerTime& answer) {
    statement.bind(first, answer.field);
    statement.bind(first + 1, answer.topicKey);
    statement.bind(first + 2, answer.question);
    statement.bind(first + 3, static_cast<long long>(answer.right));
    statement.bind(first + 4, answer.ms);
    if (answer.id.empty()) {
        statement.bind(first + 5, std::optional<long long>());
    } else {
        statement.bind(first + 5, answer.id);
    }
    // Nothing typed is kept as unknown, as an older record's answers are: a
    // miss's own text stands for it.
    if (answer.typed.empty()) {
        statement.bind(first + 6, std::optional<long long>());
    } else {
        statement.bind(first + 6, answer.typed);
    }
}

AnswerTime answerTimeOf(const Statement& row, int first) {
    return {row.text(first), row.text(first + 1), row.text(first + 2), row.number(first + 3) != 0,
            row.maybeNumber(first + 4)};
}

std::string insertAnswerTime(const std::string& table) {
    return "INSERT INTO " + table + "(sheet_id, position, " + kAnswerTimeColumns + ", answer_id, typed) VALUES(" +
           parameters(9) + ")";
}

const char* formName(AnswerForm form) {
    switch (form) {
        case AnswerForm::None: return "";
        case AnswerForm::One: return "one";
        case AnswerForm::HoursMinutes: return "hours";
        case AnswerForm::Fraction: return "fraction";
    }
    return "";
}

AnswerForm formNamed(std::string_view name) {
    for (AnswerForm form : {AnswerForm::One, AnswerForm::HoursMinutes, AnswerForm::Fraction}) {
        if (name == formName(form)) return form;
    }
    return AnswerForm::None;
}

}  // namespace tally::sqlite
