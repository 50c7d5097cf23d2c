// SPDX-License-Identifier: GPL-3.0-or-later
// How often each kind of error was made, for the weekly report.
#include <algorithm>

#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

std::vector<KindCount> SqliteRecord::errorKindsSince(long long childId, const std::string& fromDay) {
    std::vector<KindCount> counts;
    if (!ensureOpen()) return counts;
    if (!waiting_.empty()) storeWaiting();
    Statement query(db_,
                    "SELECT m.error_kind, COUNT(*) FROM missed m JOIN sheet s ON s.id = m.sheet_id"
                    " WHERE s.child_id = ?1 AND s.marked_at >= ?2 AND m.error_kind <> '' GROUP BY m.error_kind");
    query.bind(1, childId);
    query.bind(2, fromDay);
    const bool read = query.eachRow([&] {
        const ErrorKind kind = errorKindNamed(query.view(0));
        if (kind != ErrorKind::None) counts.push_back({kind, static_cast<int>(query.number(1))});
        return true;
    });
    if (!read) return failed("成绩记录读不出来"), std::vector<KindCount>{};
    std::sort(counts.begin(), counts.end(), [](const KindCount& a, const KindCount& b) {
        return a.misses != b.misses ? a.misses > b.misses : a.kind < b.kind;
    });
    worked();
    return counts;
}

}  // namespace tally
