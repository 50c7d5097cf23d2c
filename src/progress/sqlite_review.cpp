// What the daily practice reads from and keeps in the record: the history
// of misses and right answers, each child's copy of the review schedule and
// the newest sheets of each topic. Every read is of the shown child only.
#include <sqlite3.h>

#include "progress/sqlite_record.h"
#include "progress/sqlite_statement.h"

namespace tally {

using sqlite::kSheetColumns;
using sqlite::sheetOf;
using sqlite::Statement;

namespace {

// Each child's copy of the review schedule, worked out by the daily practice
// from the misses and the practice's answers, and the child's last sheet it
// has taken in. Derived rows only: they can always be made again from the
// sheets, and an older program that stores sheets without them leaves them
// behind, to be caught up with. Added tables, no new schema version.
constexpr const char* kReviewTables =
    "CREATE TABLE IF NOT EXISTS review_item("
    " child_id INTEGER NOT NULL, topic_key TEXT NOT NULL, question TEXT NOT NULL, typed TEXT NOT NULL,"
    " correct TEXT NOT NULL, answer_form TEXT NOT NULL, topic TEXT NOT NULL, right_in_a_row INTEGER NOT NULL,"
    " last_answered INTEGER NOT NULL, due INTEGER NOT NULL, PRIMARY KEY(child_id, topic_key, question));"
    "CREATE INDEX IF NOT EXISTS review_item_due ON review_item(child_id, due, topic_key, question);"
    "CREATE TABLE IF NOT EXISTS review_through(child_id INTEGER PRIMARY KEY, sheet_id INTEGER NOT NULL);";

constexpr const char* kReviewColumns =
    "SELECT question, typed, correct, answer_form, topic_key, topic, right_in_a_row, last_answered, due"
    " FROM review_item";

ReviewState reviewStateOf(const Statement& row) {
    return {row.missedQuestion(0), static_cast<int>(row.number(6)), static_cast<int>(row.number(7)),
            static_cast<int>(row.number(8))};
}

bool tableExists(sqlite3* db, const char* name) {
    Statement found(db, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    found.bind(1, std::string(name));
    return found.ok() && found.step() == SQLITE_ROW;
}

}  // namespace

bool SqliteRecord::readHistory(long long afterSheet, std::vector<DatedAnswer>& found) {
    // The misses in the order of their sheets; a miss kept without a topic
    // (an old record) takes its sheet's.
    std::string sql =
        "SELECT s.marked_at, m.question, m.typed, m.correct, m.answer_form,"
        " CASE WHEN m.topic_key = '' THEN s.topic_key ELSE m.topic_key END,"
        " CASE WHEN m.topic_key = '' THEN s.topic ELSE m.topic END, 0 AS right_answer, m.sheet_id, m.position"
        " FROM missed m JOIN sheet s ON s.id = m.sheet_id WHERE m.sheet_id > ?1 AND s.child_id = ?2";
    if (tableExists(db_, "practice_answer")) {
        sql += " UNION ALL SELECT s.marked_at, p.question, '', '', '', p.topic_key, p.topic, 1, p.sheet_id, p.position"
               " FROM practice_answer p JOIN sheet s ON s.id = p.sheet_id"
               " WHERE p.right_answer = 1 AND p.sheet_id > ?1 AND s.child_id = ?2";
    }
    Statement query(db_, sql + " ORDER BY 9, 8, 10");
    if (!query.ok()) return failed("成绩记录读不出来");
    query.bind(1, afterSheet);
    query.bind(2, shownChild());
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) {
        found.push_back({query.text(0), query.missedQuestion(1), query.number(7) != 0});
    }
    return step == SQLITE_DONE || failed("成绩记录读不出来");
}

std::vector<DatedAnswer> SqliteRecord::answerHistory() {
    long long last = 0;
    return answerHistorySince(0, last);
}

std::vector<DatedAnswer> SqliteRecord::answerHistorySince(long long afterSheet, long long& lastSheet) {
    std::vector<DatedAnswer> found;
    lastSheet = 0;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    // One snapshot for the rows and the child's newest sheet's number.
    if (!exec("BEGIN")) return found;
    bool read = readHistory(afterSheet, found);
    if (read) {
        Statement newest(db_, "SELECT COALESCE(MAX(id), 0) FROM sheet WHERE child_id = ?1");
        newest.bind(1, shownChild());
        read = newest.ok() && newest.step() == SQLITE_ROW;
        if (read) lastSheet = newest.number(0);
    }
    const std::string reason = error_;
    exec("COMMIT");
    if (!read) return failed(reason.empty() ? "成绩记录读不出来" : reason), std::vector<DatedAnswer>{};
    worked();
    return found;
}

std::optional<long long> SqliteRecord::reviewThrough() {
    if (!ensureOpen()) return std::nullopt;
    if (!waiting_.empty()) storeWaiting();
    // Made on first use; a file that cannot be written keeps no copy.
    if (!tableExists(db_, "review_through") && !inTransaction([this] { return exec(kReviewTables); })) {
        return std::nullopt;
    }
    Statement through(db_, "SELECT sheet_id FROM review_through WHERE child_id = ?1");
    if (!through.ok()) return failed("成绩记录读不出来"), std::nullopt;
    through.bind(1, shownChild());
    const long long last = through.step() == SQLITE_ROW ? through.number(0) : 0;
    worked();
    return last;
}

std::vector<ReviewState> SqliteRecord::reviewStates(const std::vector<QuestionKey>& keys) {
    std::vector<ReviewState> found;
    if (!ensureOpen()) return found;
    Statement query(db_, std::string(kReviewColumns) + " WHERE child_id = ?3 AND topic_key = ?1 AND question = ?2");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    for (const auto& [topic, question] : keys) {
        query.reset();
        query.bind(1, topic);
        query.bind(2, question);
        query.bind(3, shownChild());
        if (query.step() == SQLITE_ROW) found.push_back(reviewStateOf(query));
    }
    worked();
    return found;
}

std::vector<ReviewState> SqliteRecord::dueReviews(int today, long long limit, bool askableOnly) {
    std::vector<ReviewState> found;
    if (!ensureOpen()) return found;
    Statement query(db_, std::string(kReviewColumns) + " WHERE child_id = ?3 AND due <= ?1" +
                             (askableOnly ? " AND answer_form <> ''" : "") +
                             " ORDER BY due, topic_key, question LIMIT ?2");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    query.bind(1, static_cast<long long>(today));
    query.bind(2, limit);
    query.bind(3, shownChild());
    int step = SQLITE_ROW;
    while ((step = query.step()) == SQLITE_ROW) found.push_back(reviewStateOf(query));
    if (step != SQLITE_DONE) return failed("成绩记录读不出来"), std::vector<ReviewState>{};
    worked();
    return found;
}

int SqliteRecord::dueReviewCount(int today) {
    if (!ensureOpen()) return 0;
    Statement query(db_, "SELECT COUNT(*) FROM review_item WHERE child_id = ?2 AND due <= ?1");
    if (!query.ok()) return failed("成绩记录读不出来"), 0;
    query.bind(1, static_cast<long long>(today));
    query.bind(2, shownChild());
    if (query.step() != SQLITE_ROW) return failed("成绩记录读不出来"), 0;
    worked();
    return static_cast<int>(query.number(0));
}

bool SqliteRecord::keepReview(const std::vector<QuestionKey>& keys, const std::vector<ReviewState>& states,
                              long long from, long long through) {
    if (!ensureOpen()) return false;
    const long long child = shownChild();
    bool moved = false;
    const bool kept = inTransaction([&] {
        if (!exec(kReviewTables)) return false;
        Statement now(db_, "SELECT sheet_id FROM review_through WHERE child_id = ?1");
        if (!now.ok()) return failed("成绩记录出错");
        now.bind(1, child);
        const long long standing = now.step() == SQLITE_ROW ? now.number(0) : 0;
        if (standing != from) return moved = true, false;
        Statement remove(db_, "DELETE FROM review_item WHERE child_id = ?3 AND topic_key = ?1 AND question = ?2");
        Statement insert(db_,
                         "INSERT OR REPLACE INTO review_item(question, typed, correct, answer_form, topic_key, topic,"
                         " right_in_a_row, last_answered, due, child_id) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
        Statement note(db_, "INSERT OR REPLACE INTO review_through(child_id, sheet_id) VALUES(?2, ?1)");
        if (!remove.ok() || !insert.ok() || !note.ok()) return failed("成绩记录出错");
        for (const auto& [topic, question] : keys) {
            remove.reset();
            remove.bind(1, topic);
            remove.bind(2, question);
            remove.bind(3, child);
            if (remove.step() != SQLITE_DONE) return failed("成绩记录出错");
        }
        for (const ReviewState& state : states) {
            insert.reset();
            insert.bind(1, state.question.question);
            insert.bind(2, state.question.typed);
            insert.bind(3, state.question.correct);
            insert.bind(4, std::string(sqlite::formName(state.question.form)));
            insert.bind(5, state.question.topicKey);
            insert.bind(6, state.question.topicCaption);
            insert.bind(7, static_cast<long long>(state.rightInARow));
            insert.bind(8, static_cast<long long>(state.lastAnswered));
            insert.bind(9, static_cast<long long>(state.due));
            insert.bind(10, child);
            if (insert.step() != SQLITE_DONE) return failed("成绩记录出错");
        }
        note.bind(1, through);
        note.bind(2, child);
        return note.step() == SQLITE_DONE || failed("成绩记录出错");
    });
    if (kept || moved) worked();
    return kept;
}

bool SqliteRecord::forgetReview(long long childId) {
    if (!exec(kReviewTables)) return false;
    for (const char* sql : {"DELETE FROM review_item WHERE child_id = ?1", "DELETE FROM review_through WHERE child_id = ?1"}) {
        Statement remove(db_, sql);
        remove.bind(1, childId);
        if (!remove.ok() || remove.step() != SQLITE_DONE) return failed("成绩记录出错");
    }
    return true;
}

std::vector<MarkedSheet> SqliteRecord::recentTopicSheets(const std::vector<std::string>& topicKeys, int perTopic) {
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
        topics.bind(1, shownChild());
        read = topics.ok();
        while (read && topics.step() == SQLITE_ROW) keys.push_back(topics.text(0));
    }
    Statement query(db_, std::string(kSheetColumns) +
                             " WHERE child_id = ?3 AND topic_key = ?1 ORDER BY marked_at DESC, id DESC LIMIT ?2");
    read = read && query.ok();
    for (std::size_t i = 0; read && i < keys.size(); ++i) {
        query.reset();
        query.bind(1, keys[i]);
        query.bind(2, static_cast<long long>(perTopic));
        query.bind(3, shownChild());
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
