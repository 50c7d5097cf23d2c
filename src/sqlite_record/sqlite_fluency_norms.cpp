// SPDX-License-Identifier: GPL-3.0-or-later
// The 口算达标 norms a parent set, for the whole record.
#include <sqlite3.h>

#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

std::vector<FluencyNorm> SqliteRecord::fluencyNorms() {
    std::vector<FluencyNorm> found;
    if (!ensureOpen()) return found;
    Statement query(db_, "SELECT grade, second_term, skill_key, pass, good, excellent FROM fluency_norm"
                         " ORDER BY grade, second_term, rowid");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    const bool read = query.eachRow([&] {
        found.push_back({static_cast<int>(query.number(0)), query.number(1) != 0, query.text(2),
                         static_cast<int>(query.number(3)), static_cast<int>(query.number(4)),
                         static_cast<int>(query.number(5))});
        return true;
    });
    if (!read) return failed("成绩记录读不出来"), std::vector<FluencyNorm>{};
    worked();
    return found;
}

std::string SqliteRecord::saveFluencyNorm(const FluencyNorm& norm) {
    if (std::string problem = fluencyNormProblem(norm); !problem.empty()) return problem;
    if (!ensureOpen()) return kNoNorms;
    Statement keep(db_, "INSERT INTO fluency_norm(grade, second_term, skill_key, pass, good, excellent)"
                        " VALUES(?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT(grade, second_term, skill_key) DO UPDATE SET"
                        " pass = excluded.pass, good = excluded.good, excellent = excluded.excellent");
    if (!keep.ok()) return failed("达标标准没有保存"), "达标标准没有保存：" + error_;
    keep.bind(1, static_cast<long long>(norm.grade));
    keep.bind(2, static_cast<long long>(norm.secondTerm ? 1 : 0));
    keep.bind(3, norm.skillKey);
    keep.bind(4, static_cast<long long>(norm.pass));
    keep.bind(5, static_cast<long long>(norm.good));
    keep.bind(6, static_cast<long long>(norm.excellent));
    if (keep.step() != SQLITE_DONE) return failed("达标标准没有保存"), "达标标准没有保存：" + error_;
    worked();
    return "";
}

}  // namespace tally
