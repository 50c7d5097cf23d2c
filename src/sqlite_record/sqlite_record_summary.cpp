// SPDX-License-Identifier: GPL-3.0-or-later
// The record page's figures, summed up by SQLite itself: a record of years
// of practice is never loaded whole for them.
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sheet_columns.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

namespace {

int rounded(long long total, long long count) {
    return count > 0 ? static_cast<int>(std::lround(static_cast<double>(total) / static_cast<double>(count))) : 0;
}

}  // namespace

std::optional<RecordSummary> SqliteRecord::summary(long long childId, const RecordPageLimits& limits) {
    if (!ensureOpen()) return std::nullopt;
    if (!waiting_.empty()) storeWaiting();
    // Every figure from one snapshot of the file.
    if (!exec("BEGIN")) return std::nullopt;
    RecordSummary summary;
    const auto read = [&] {
        {
            Statement count(db_, "SELECT COUNT(*) FROM sheet WHERE child_id = ?1");
            count.bind(1, childId);
            if (!count.ok() || count.step() != SQLITE_ROW) return failed("成绩记录读不出来");
            summary.sheetCount = static_cast<int>(count.number(0));
        }
        std::vector<MarkedSheet> latest;
        if (!readSheets((sqlite::kSheetColumns + " WHERE child_id = ?2 ORDER BY id DESC LIMIT ?1").c_str(), childId, std::max(limits.tableRows, 1), latest)) {
            return false;
        }
        if (!latest.empty()) summary.latest = latest.front().when;
        if (static_cast<int>(latest.size()) > limits.tableRows) latest.resize(std::max(limits.tableRows, 0));
        summary.latestSheets = std::move(latest);
        if (!readTopics(childId, limits, summary) || !readMostMissed(childId, limits, summary)) return false;
        // Each open question once, however often it was missed; the open
        // misses have an index of their own when no other child's are among them.
        Statement open(db_, wholeRecordIs(childId)
                                ? "SELECT COUNT(*) FROM (SELECT DISTINCT topic_key, question FROM missed"
                                  " WHERE mended = 0 AND answer_form <> '')"
                                : "SELECT COUNT(*) FROM (SELECT DISTINCT m.topic_key, m.question FROM sheet s"
                                  " JOIN missed m ON m.sheet_id = s.id WHERE s.child_id = ?1"
                                  " AND m.mended = 0 AND m.answer_form <> '')");
        open.bind(1, childId);  // the first statement has no parameter: nothing is bound
        if (!open.ok() || open.step() != SQLITE_ROW) return failed("成绩记录读不出来");
        summary.openMisses = static_cast<int>(open.number(0));
        return true;
    };
    const bool done = read();
    sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (!done) return std::nullopt;
    worked();
    return summary;
}

// The topics practised last, each with its sheets' averages by day.
bool SqliteRecord::readTopics(long long childId, const RecordPageLimits& limits, RecordSummary& summary) {
    Statement topics(db_,
                     "SELECT topic_key, MAX(id) AS latest FROM sheet WHERE child_id = ?2 GROUP BY topic_key"
                     " ORDER BY latest DESC LIMIT ?1");
    Statement caption(db_, "SELECT topic FROM sheet WHERE id = ?1");
    Statement days(db_,
                   "SELECT substr(marked_at, 1, 10) AS day, SUM(score), SUM(seconds), COUNT(*) FROM sheet"
                   " WHERE topic_key = ?1 AND child_id = ?2 GROUP BY day ORDER BY day");
    if (!topics.ok() || !caption.ok() || !days.ok()) return failed("成绩记录读不出来");
    topics.bind(1, static_cast<long long>(std::max(limits.charts, 0)));
    topics.bind(2, childId);
    const bool read = topics.eachRow([&] {
        TopicHistory history;
        history.key = topics.text(0);
        caption.reset();
        caption.bind(1, topics.number(1));
        if (caption.step() != SQLITE_ROW) return false;
        history.caption = caption.text(0);
        days.reset();
        days.bind(1, history.key);
        days.bind(2, childId);
        const bool dayByDay = days.eachRow([&] {
            const long long count = days.number(3);
            history.days.push_back({days.text(0), rounded(days.number(1), count), rounded(days.number(2), count)});
            return true;
        });
        summary.topics.push_back(std::move(history));
        return dayByDay;
    });
    return read || failed("成绩记录读不出来");
}

// Every miss of the record, when all its sheets are the shown child's: the
// topics, one index step each, then each topic's misses counted in its own
// stretch of the index. A miss stored without a topic of its own counts for
// its sheet's topic.
bool SqliteRecord::countAllMisses(std::map<std::string, MissCount>& byKey) {
    {
        // The topics, one index step each, then each topic's misses counted
        // in its own stretch of the index and its latest miss's caption.
        Statement keys(db_,
                       "WITH RECURSIVE key(k) AS (SELECT MIN(topic_key) FROM missed WHERE topic_key > ''"
                       " UNION ALL SELECT (SELECT MIN(topic_key) FROM missed WHERE topic_key > key.k) FROM key"
                       " WHERE key.k IS NOT NULL) SELECT k FROM key WHERE k IS NOT NULL");
        Statement counted(db_, "SELECT COUNT(*) FROM missed WHERE topic_key = ?1");
        Statement latest(db_,
                         "SELECT sheet_id, topic FROM missed WHERE topic_key = ?1 ORDER BY sheet_id DESC, position"
                         " LIMIT 1");
        const bool read = keys.eachRow([&] {
            const std::string key = keys.text(0);
            counted.reset();
            counted.bind(1, key);
            latest.reset();
            latest.bind(1, key);
            if (counted.step() != SQLITE_ROW || latest.step() != SQLITE_ROW) return false;
            byKey[key] = {counted.number(0), latest.number(0), latest.text(1)};
            return true;
        });
        if (!read) return failed("成绩记录读不出来");
    }
    Statement ownless(db_,
                      "SELECT s.topic_key, COUNT(*), MAX(s.id) FROM missed m JOIN sheet s ON s.id = m.sheet_id"
                      " WHERE m.topic_key = '' GROUP BY s.topic_key");
    Statement sheetCaption(db_, "SELECT topic FROM sheet WHERE id = ?1");
    const bool read = ownless.eachRow([&] {
        MissCount& count = byKey[ownless.text(0)];
        count.misses += ownless.number(1);
        if (ownless.number(2) <= count.latestSheet) return true;
        count.latestSheet = ownless.number(2);
        sheetCaption.reset();
        sheetCaption.bind(1, count.latestSheet);
        if (sheetCaption.step() != SQLITE_ROW) return false;
        count.caption = sheetCaption.text(0);
        return true;
    });
    return read || failed("成绩记录读不出来");
}

// The topics with the most misses of the shown child. A miss stored
// without a topic of its own counts for its sheet's topic; a topic is named
// as its latest miss named it.
bool SqliteRecord::readMostMissed(long long childId, const RecordPageLimits& limits, RecordSummary& summary) {
    std::map<std::string, MissCount> byKey;
    if (wholeRecordIs(childId)) {
        if (!countAllMisses(byKey)) return false;
    } else if (!countChildsMisses(childId, byKey)) {
        return false;
    }
    for (const auto& [key, count] : byKey) {
        summary.mostMissed.push_back({count.caption, static_cast<int>(count.misses)});
    }
    std::sort(summary.mostMissed.begin(), summary.mostMissed.end(), [](const MissedTopic& a, const MissedTopic& b) {
        return a.misses != b.misses ? a.misses > b.misses : a.caption < b.caption;
    });
    if (static_cast<int>(summary.mostMissed.size()) > limits.topMissed) {
        summary.mostMissed.resize(std::max(limits.topMissed, 0));
    }
    return true;
}

bool SqliteRecord::countChildsMisses(long long childId, std::map<std::string, MissCount>& byKey) {
    // One pass over the child's misses, reached through the child's sheets;
    // then each topic's caption from the latest sheet with a miss of it.
    Statement counted(db_,
                      "SELECT CASE WHEN m.topic_key = '' THEN s.topic_key ELSE m.topic_key END AS k, COUNT(*),"
                      " MAX(m.sheet_id) FROM sheet s JOIN missed m ON m.sheet_id = s.id WHERE s.child_id = ?1"
                      " GROUP BY k");
    Statement latest(db_,
                     "SELECT CASE WHEN m.topic_key = '' THEN s.topic ELSE m.topic END"
                     " FROM missed m JOIN sheet s ON s.id = m.sheet_id WHERE m.sheet_id = ?1"
                     " AND (m.topic_key = ?2 OR (m.topic_key = '' AND s.topic_key = ?2)) ORDER BY m.position LIMIT 1");
    counted.bind(1, childId);
    const bool read = counted.eachRow([&] {
        const std::string key = counted.text(0);
        latest.reset();
        latest.bind(1, counted.number(2));
        latest.bind(2, key);
        if (latest.step() != SQLITE_ROW) return false;
        byKey[key] = {counted.number(1), counted.number(2), latest.text(0)};
        return true;
    });
    return read || failed("成绩记录读不出来");
}

// A file that cannot say reads as shared: the slower way then meets the
// same trouble and says so.
bool SqliteRecord::wholeRecordIs(long long childId) {
    // Two steps in the index of sheets by child: is any sheet another's?
    Statement other(db_,
                    "SELECT EXISTS(SELECT 1 FROM sheet WHERE child_id < ?1) OR"
                    " EXISTS(SELECT 1 FROM sheet WHERE child_id > ?1)");
    other.bind(1, childId);
    return other.step() == SQLITE_ROW && other.number(0) == 0;
}

}  // namespace tally
