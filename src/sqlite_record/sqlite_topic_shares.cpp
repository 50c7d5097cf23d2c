// SPDX-License-Identifier: GPL-3.0-or-later
// Each topic's answers on the sheets mixed from many topics, summed per sheet.
#include <sqlite3.h>

#include <algorithm>

#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

std::vector<TopicShare> SqliteRecord::topicShares(long long childId, const std::vector<std::string>& topicKeys,
                                                  int practices) {
    std::vector<TopicShare> found;
    if (!ensureOpen()) return found;
    if (!waiting_.empty()) storeWaiting();
    if (practices <= 0) return worked(), found;
    // The answers' table comes with the first daily practice stored.
    Statement made(db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'practice_answer'");
    const std::optional<bool> kept = made.ok() ? made.hasRow() : std::nullopt;
    if (!kept) return failed("成绩记录读不出来"), found;
    if (!*kept) return worked(), found;
    // The child's practice sheets come from the sheets' index, their answers
    // by the answers' key: nothing of another child or an older sheet is read.
    Statement query(db_,
                    "SELECT s.marked_at, p.topic_key, MAX(p.topic), COUNT(*), SUM(p.right_answer)"
                    " FROM (SELECT id, marked_at FROM sheet WHERE child_id = ?1 AND topic_key IN ('practice', 'redrill')"
                    " ORDER BY id DESC LIMIT ?2) s JOIN practice_answer p ON p.sheet_id = s.id"
                    " GROUP BY s.id, p.topic_key ORDER BY s.id DESC, p.topic_key");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    query.bind(1, childId);
    query.bind(2, static_cast<long long>(practices));
    const bool read = query.eachRow([&] {
        TopicShare share{query.text(0), query.text(1), query.text(2), static_cast<int>(query.number(3)),
                         static_cast<int>(query.number(4))};
        if (topicKeys.empty() || std::find(topicKeys.begin(), topicKeys.end(), share.topicKey) != topicKeys.end()) {
            found.push_back(std::move(share));
        }
        return true;
    });
    if (!read) return failed("成绩记录读不出来"), std::vector<TopicShare>{};
    worked();
    return found;
}

}  // namespace tally
