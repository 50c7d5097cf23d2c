// SPDX-License-Identifier: GPL-3.0-or-later
// What the daily practice reads from and keeps in the record: the history
// of misses and right answers, each child's copy of the review schedule and
// the newest sheets of each topic. Every read is of the child it names.
#include <sqlite3.h>

#include "sqlite_record/question_history.h"
#include "sqlite_record/record_schema.h"
#include "sqlite_record/review_rows.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sheet_columns.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::kSheetColumns;
using sqlite::sheetOf;
using sqlite::Statement;

namespace {

constexpr const char* kReviewColumns =
    "SELECT question, typed, correct, answer_form, topic_key, topic, right_in_a_row, last_answered, due"
    " FROM review_item";

ReviewState reviewStateOf(const Statement& row) {
    return {row.missedQuestion(0), static_cast<int>(row.number(6)), static_cast<int>(row.number(7)),
            static_cast<int>(row.number(8))};
}

// Whether a table has the column (a table that is not there has none);
// nothing when the file could not say.
std::optional<bool> columnExists(sqlite3* db, const char* table, const char* column) {
    Statement found(db, "SELECT 1 FROM pragma_table_info(?1) WHERE name = ?2");
    if (!found.ok()) return std::nullopt;
    found.bind(1, std::string(table));
    found.bind(2, std::string(column));
    return found.hasRow();
}

// A row of the history query into `answer`, its strings' room reused.
void fillAnswer(const Statement& row, DatedAnswer& answer) {
    answer.when.assign(row.view(0));
    answer.question.question.assign(row.view(1));
    answer.question.typed.assign(row.view(2));
    answer.question.correct.assign(row.view(3));
    answer.question.form = sqlite::formNamed(row.view(4));
    answer.question.topicKey.assign(row.view(5));
    answer.question.topicCaption.assign(row.view(6));
    answer.right = row.number(7) != 0;
}

// How many rows the history of every child has at most; nothing when the
// file could not say.
std::optional<long long> historyRowsAtMost(sqlite3* db) {
    const std::optional<bool> practised = columnExists(db, "practice_answer", "sheet_id");
    if (!practised) return std::nullopt;
    Statement count(db, *practised ? "SELECT (SELECT COUNT(*) FROM missed) + (SELECT COUNT(*) FROM practice_answer)"
                                   : "SELECT COUNT(*) FROM missed");
    if (!count.ok() || count.step() != SQLITE_ROW) return std::nullopt;
    return count.number(0);
}

}  // namespace

std::optional<std::string> SqliteRecord::historyQuery(const char* order) {
    // A miss kept without a topic (an old record) takes its sheet's.
    std::string sql =
        "SELECT s.marked_at, m.question, m.typed, m.correct, m.answer_form,"
        " CASE WHEN m.topic_key = '' THEN s.topic_key ELSE m.topic_key END,"
        " CASE WHEN m.topic_key = '' THEN s.topic ELSE m.topic END, 0 AS right_answer, m.sheet_id, m.position"
        " FROM missed m JOIN sheet s ON s.id = m.sheet_id WHERE m.sheet_id > ?1 AND s.child_id = ?2";
    const std::optional<bool> practised = columnExists(db_, "practice_answer", "sheet_id");
    if (!practised) return failed("成绩记录读不出来"), std::nullopt;
    if (*practised) {
        sql += " UNION ALL SELECT s.marked_at, p.question, '', '', '', p.topic_key, p.topic, 1, p.sheet_id, p.position"
               " FROM practice_answer p JOIN sheet s ON s.id = p.sheet_id"
               " WHERE p.right_answer = 1 AND p.sheet_id > ?1 AND s.child_id = ?2";
    }
    return sql + order;
}

bool SqliteRecord::readHistory(long long childId, long long afterSheet, std::vector<DatedAnswer>& found) {
    // In the order of their sheets, each sheet's misses before its answers.
    const std::optional<std::string> sql = historyQuery(" ORDER BY 9, 8, 10");
    if (!sql) return false;
    Statement query(db_, *sql);
    if (!query.ok()) return failed("成绩记录读不出来");
    query.bind(1, afterSheet);
    query.bind(2, childId);
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        found.push_back({query.text(0), query.missedQuestion(1), query.number(7) != 0});
    }
    return step == SQLITE_DONE || failed("成绩记录读不出来");
}

std::vector<DatedAnswer> SqliteRecord::answerHistory(long long childId) {
    long long last = 0;
    return answerHistorySince(childId, 0, last);
}

std::vector<DatedAnswer> SqliteRecord::answerHistorySince(long long childId, long long afterSheet,
                                                          long long& lastSheet) {
    std::vector<DatedAnswer> found;
    lastSheet = 0;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // One snapshot for the rows and the child's newest sheet's number.
    if (!exec("BEGIN")) return found;
    bool read = readHistory(childId, afterSheet, found);
    if (read) {
        Statement newest(db_, "SELECT COALESCE(MAX(id), 0) FROM sheet WHERE child_id = ?1");
        newest.bind(1, childId);
        read = newest.ok() && newest.step() == SQLITE_ROW;
        if (read) lastSheet = newest.number(0);
    }
    const std::string reason = error_;
    exec("COMMIT");
    if (!read) return failed(reason.empty() ? "成绩记录读不出来" : reason), std::vector<DatedAnswer>{};
    worked();
    return found;
}

bool SqliteRecord::makeReviewTables() {
    if (!exec(sqlite::kReviewTables) || !exec(sqlite::kReviewDueIndexDropped)) return false;
    // A copy kept before drops were marked.
    const std::optional<bool> marked = columnExists(db_, "review_through", "drops");
    if (!marked) return failed("成绩记录读不出来");
    return *marked || exec(sqlite::kReviewDrops);
}

bool SqliteRecord::readStanding(long long childId, ReviewStanding& standing) {
    Statement query(db_, "SELECT sheet_id, drops FROM review_through WHERE child_id = ?1");
    if (!query.ok()) return failed("成绩记录读不出来");
    query.bind(1, childId);
    const int step = query.step();
    if (step == SQLITE_ROW) standing = {query.number(0), query.number(1)};
    else if (step == SQLITE_DONE) standing = {};
    else return failed("成绩记录读不出来");
    return true;
}

std::optional<ReviewStanding> SqliteRecord::reviewStanding(long long childId) {
    if (!ensureOpen()) return std::nullopt;
    if (!waiting_.empty()) storeWaiting();
    // Made on first use; a file that cannot be written keeps no copy.
    ReviewStanding standing;
    const bool read = readReview([&] {
        const std::optional<bool> made = columnExists(db_, "review_through", "drops");
        if (!made) return failed("成绩记录读不出来");
        if (!*made && !inTransaction([this] { return makeReviewTables(); })) return false;
        return readStanding(childId, standing);
    });
    if (!read) return std::nullopt;
    worked();
    return standing;
}

std::vector<ReviewState> SqliteRecord::reviewStates(long long childId, const std::vector<QuestionKey>& keys) {
    std::vector<ReviewState> found;
    if (!ensureOpen()) return found;
    const bool read = readReview([&] {
        found.clear();
        Statement query(db_, std::string(kReviewColumns) + " WHERE child_id = ?3 AND topic_key = ?1 AND question = ?2");
        for (const auto& [topic, question] : keys) {
            query.reset();
            query.bind(1, topic);
            query.bind(2, question);
            query.bind(3, childId);
            const std::optional<bool> kept = query.hasRow();
            if (!kept) return failed("成绩记录读不出来");
            if (*kept) found.push_back(reviewStateOf(query));
        }
        return true;
    });
    if (!read) return {};
    worked();
    return found;
}

// Only what the daily practice can ask: a copy kept by an older program may
// hold misses that cannot be asked again.
std::vector<ReviewState> SqliteRecord::dueReviews(long long childId, int today, long long limit) {
    std::vector<ReviewState> found;
    if (!ensureOpen()) return found;
    const bool read = readReview([&] {
        found.clear();
        Statement query(db_, std::string(kReviewColumns) +
                                 " WHERE child_id = ?3 AND due <= ?1 AND answer_form <> ''"
                                 " ORDER BY due, topic_key, question LIMIT ?2");
        query.bind(1, static_cast<long long>(today));
        query.bind(2, limit);
        query.bind(3, childId);
        return query.eachRow([&] { return found.push_back(reviewStateOf(query)), true; }) ||
               failed("成绩记录读不出来");
    });
    if (!read) return {};
    worked();
    return found;
}

int SqliteRecord::dueReviewCount(long long childId, int today) {
    if (!ensureOpen()) return 0;
    long long count = 0;
    const bool read = readReview([&] {
        Statement query(db_, "SELECT COUNT(*) FROM review_item WHERE child_id = ?2 AND due <= ?1 AND answer_form <> ''");
        query.bind(1, static_cast<long long>(today));
        query.bind(2, childId);
        if (query.step() != SQLITE_ROW) return failed("成绩记录读不出来");
        count = query.number(0);
        return true;
    });
    if (!read) return 0;
    worked();
    return static_cast<int>(count);
}

bool SqliteRecord::copyStandsAt(long long child, const ReviewStanding& from, bool& moved) {
    if (!makeReviewTables()) return false;
    ReviewStanding standing;
    bool known = false;
    if (!readStanding(child, standing) || !childKnown(child, known)) return false;
    if (standing != from || !known) return moved = true, false;
    return true;
}

bool SqliteRecord::keepReview(long long child, const std::vector<QuestionKey>& keys,
                              const std::vector<ReviewState>& states, const ReviewStanding& from, long long through) {
    if (!ensureOpen()) return false;
    bool moved = false;
    const bool kept = readReview([&] { return inTransaction([&] {
        if (!copyStandsAt(child, from, moved)) return false;
        return writeReview(child, keys, states) && noteThrough(child, through, from.drops);
    }); });
    if (kept || moved) worked();
    return kept;
}

bool SqliteRecord::writeReview(long long child, const std::vector<QuestionKey>& keys,
                               const std::vector<ReviewState>& states) {
    Statement remove(db_, "DELETE FROM review_item WHERE child_id = ?3 AND topic_key = ?1 AND question = ?2");
    sqlite::ReviewRows insert(db_, child);
    if (!remove.ok() || !insert.ok()) return failed("成绩记录出错");
    for (const auto& [topic, question] : keys) {
        remove.reset();
        remove.bind(1, topic);
        remove.bind(2, question);
        remove.bind(3, child);
        if (remove.step() != SQLITE_DONE) return failed("成绩记录出错");
    }
    for (const ReviewState& state : states) {
        if (!insert.add(state)) return failed("成绩记录出错");
    }
    return insert.finish() || failed("成绩记录出错");
}

bool SqliteRecord::noteThrough(long long child, long long through, long long drops) {
    Statement note(db_, "INSERT INTO review_through(child_id, sheet_id, drops) VALUES(?1, ?2, ?3)"
                        " ON CONFLICT(child_id) DO UPDATE SET sheet_id = excluded.sheet_id");
    if (!note.ok()) return failed("成绩记录出错");
    note.bind(1, child);
    note.bind(2, through);
    note.bind(3, drops);
    return note.step() == SQLITE_DONE || failed("成绩记录出错");
}

bool SqliteRecord::remakeReview(long long child, const ReviewStanding& from, const QuestionState& stateOf,
                                long long& through) {
    through = 0;
    if (!ensureOpen()) return false;
    if (!waiting_.empty()) storeWaiting();
    bool moved = false;
    const bool kept = readReview([&] { return inTransaction([&] {
        if (!copyStandsAt(child, from, moved)) return false;
        Statement newest(db_, "SELECT COALESCE(MAX(id), 0) FROM sheet WHERE child_id = ?1");
        Statement clear(db_, "DELETE FROM review_item WHERE child_id = ?1");
        if (!newest.ok() || !clear.ok()) return failed("成绩记录出错");
        newest.bind(1, child);
        clear.bind(1, child);
        if (newest.step() != SQLITE_ROW || clear.step() != SQLITE_DONE) return failed("成绩记录出错");
        through = newest.number(0);
        return streamReview(child, stateOf) && noteThrough(child, through, from.drops);
    }); });
    if (kept || moved) worked();
    return kept;
}

// Each question's state written once, in about the copy's key order.
bool SqliteRecord::streamReview(long long child, const QuestionState& stateOf) {
    const std::optional<long long> rows = historyRowsAtMost(db_);
    if (!rows) return failed("成绩记录读不出来");
    sqlite::ReviewRows insert(db_, child);
    if (!insert.ok()) return failed("成绩记录出错");
    const auto keep = [&](const std::vector<DatedAnswer>& answers) {
        std::optional<ReviewState> state = stateOf(answers);
        return !state || insert.add(std::move(*state));
    };
    const bool kept = *rows <= heldHistoryRows_ ? eachQuestionHeld(child, *rows, keep) : eachQuestionSorted(child, keep);
    return kept && (insert.finish() || failed("成绩记录出错"));
}

// Read as stored, sorted here: several times quicker than SQLite's sorter.
bool SqliteRecord::eachQuestionHeld(long long child, long long rows,
                                    const std::function<bool(const std::vector<DatedAnswer>&)>& question) {
    const std::optional<bool> practised = columnExists(db_, "practice_answer", "sheet_id");
    if (!practised) return failed("成绩记录读不出来");
    // Room for every child's rows: room reserved and never touched costs no memory.
    sqlite::QuestionHistory history(static_cast<std::size_t>(rows));
    const auto readInto = [&](const char* sql, bool sheets) {
        Statement query(db_, sql);
        if (sheets) query.bind(1, child);
        return query.ok() && query.eachRow([&] { return sheets ? history.addSheet(query) : history.add(query); });
    };
    const bool read =
        readInto("SELECT id, marked_at, topic_key, topic FROM sheet WHERE child_id = ?1 ORDER BY id", true) &&
        readInto("SELECT sheet_id, position, question, typed, correct, answer_form, topic_key, topic, 0 FROM missed",
                 false) &&
        (!*practised || readInto("SELECT sheet_id, position, question, '', '', '', topic_key, topic, 1"
                                 " FROM practice_answer WHERE right_answer = 1",
                                 false));
    if (!read) return failed("成绩记录读不出来");
    return history.eachQuestion(question) || failed("成绩记录出错");
}

// Sorted by question, then in the order stored: one question's answers at a
// time in memory, their strings reused.
bool SqliteRecord::eachQuestionSorted(long long child,
                                      const std::function<bool(const std::vector<DatedAnswer>&)>& question) {
    const std::optional<std::string> sql = historyQuery(" ORDER BY 6, 2, 9, 8, 10");
    if (!sql) return false;
    Statement query(db_, *sql);
    if (!query.ok()) return failed("成绩记录读不出来");
    query.bind(1, 0LL);
    query.bind(2, child);
    std::vector<DatedAnswer> answers;
    std::size_t held = 0;
    const auto give = [&] {
        answers.resize(held);
        held = 0;
        return answers.empty() || question(answers);
    };
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        const bool another = held > 0 && (query.view(1) != answers[held - 1].question.question ||
                                          query.view(5) != answers[held - 1].question.topicKey);
        if (another && !give()) return failed("成绩记录出错");
        if (held == answers.size()) answers.emplace_back();
        fillAnswer(query, answers[held++]);
    }
    if (step != SQLITE_DONE) return failed("成绩记录读不出来");
    return give() || failed("成绩记录出错");
}

bool SqliteRecord::forgetReview(long long childId, bool markDrop) {
    if (!makeReviewTables()) return false;
    const char* standing = markDrop ? "INSERT INTO review_through(child_id, sheet_id, drops) VALUES(?1, 0, 1)"
                                      " ON CONFLICT(child_id) DO UPDATE SET sheet_id = 0, drops = drops + 1"
                                    : "DELETE FROM review_through WHERE child_id = ?1";
    for (const char* sql : {"DELETE FROM review_item WHERE child_id = ?1", standing}) {
        Statement change(db_, sql);
        if (!change.ok()) return failed("成绩记录出错");
        change.bind(1, childId);
        if (change.step() != SQLITE_DONE) return failed("成绩记录出错");
    }
    return true;
}

std::vector<MarkedSheet> SqliteRecord::recentTopicSheets(long long childId, const std::vector<std::string>& topicKeys,
                                                          int perTopic) {
    std::vector<MarkedSheet> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    if (!exec("BEGIN")) return found;
    std::vector<std::string> keys = topicKeys;
    bool read = true;
    if (keys.empty()) {
        // Every topic but the mixed sheets: one step of the index from each
        // topic to the next, not a walk over every sheet.
        Statement topics(db_,
                         "WITH RECURSIVE topic(key) AS (SELECT MIN(topic_key) FROM sheet WHERE child_id = ?1"
                         " UNION ALL SELECT (SELECT MIN(topic_key) FROM sheet WHERE child_id = ?1 AND topic_key > key)"
                         " FROM topic WHERE key IS NOT NULL)"
                         " SELECT key FROM topic WHERE key IS NOT NULL AND key NOT IN ('practice', 'redrill')");
        topics.bind(1, childId);
        read = topics.eachRow([&] { return keys.push_back(topics.text(0)), true; });
    }
    Statement query(db_, std::string(kSheetColumns) +
                             " WHERE child_id = ?3 AND topic_key = ?1 ORDER BY marked_at DESC, id DESC LIMIT ?2");
    read = read && query.ok();
    for (std::size_t i = 0; read && i < keys.size(); ++i) {
        query.reset();
        query.bind(1, keys[i]);
        query.bind(2, static_cast<long long>(perTopic));
        query.bind(3, childId);
        int step = SQLITE_ROW;
        while ((step = query.step()) == SQLITE_ROW) found.push_back(sheetOf(query));
        read = step == SQLITE_DONE;
    }
    exec("COMMIT");
    if (!read) return failed("成绩记录读不出来"), std::vector<MarkedSheet>{};
    worked();
    return found;
}

}  // namespace tally
