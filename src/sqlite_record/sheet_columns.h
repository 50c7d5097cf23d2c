// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "progress/record_values.h"
#include "sqlite_record/sqlite_statement.h"

// A sheet's own columns, in one place: the record and the waiting journal
// write and read a sheet by these statements alone, so a new field of the
// sheet is its column here, its binding and its read.
namespace tally::sqlite {

// How many columns a sheet has (the id not counted).
int sheetColumnCount();
// "SELECT id, <the sheet's columns> FROM <table>", as sheetOf() takes it.
// With `extraColumn` as one more column after them, in both statements.
std::string selectSheets(const std::string& table, const std::string& extraColumn = "");
// "INSERT INTO <table>(<the sheet's columns>) VALUES(?1 …)".
std::string insertSheet(const std::string& table, const std::string& extraColumn = "");
// The record's own sheets, selected as sheetOf() takes them.
inline const std::string kSheetColumns = selectSheets("sheet");

// Binds ?1 … ?sheetColumnCount() of a statement made by insertSheet().
void bindSheetColumns(Statement& statement, const MarkedSheet& sheet);
// A row selected by selectSheets(), without its misses.
MarkedSheet sheetOf(const Statement& row);

// An answer's time, in the record and the journal alike: its columns, bound
// to ?first … and read from column `first` on.
inline constexpr const char* kAnswerTimeColumns = "field, topic_key, question, right_answer, ms";
// The answer's columns, its id and typed text last: reads leave them out, so
// the covering indexes serve them.
void bindAnswerTime(Statement& statement, int first, const AnswerTime& answer);
AnswerTime answerTimeOf(const Statement& row, int first);
// "INSERT INTO <table>(sheet_id, position, <the answer's columns>) VALUES(?1 …)".
std::string insertAnswerTime(const std::string& table);

}  // namespace tally::sqlite
