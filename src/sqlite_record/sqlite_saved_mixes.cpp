// SPDX-License-Identifier: GPL-3.0-or-later
// The 口算卷 mixes a parent saved, for each child and for the computer.
#include <sqlite3.h>

#include "sqlite_record/record_schema.h"
#include "sqlite_record/sqlite_record.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally {

using sqlite::Statement;

std::vector<SkillMix> SqliteRecord::savedMixes(long long owner) {
    std::vector<SkillMix> found;
    if (!ensureOpen()) return found;
    Statement made(db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'saved_mix'");
    const std::optional<bool> kept = made.ok() ? made.hasRow() : std::nullopt;
    if (!kept) return failed("成绩记录读不出来"), found;
    if (!*kept) return found;
    // One statement, so one snapshot: a mix is read whole or not at all.
    Statement query(db_, "SELECT m.name, m.question_count, p.skill_key, p.share FROM saved_mix m"
                         " LEFT JOIN saved_mix_part p ON p.owner = m.owner AND p.name = m.name"
                         " WHERE m.owner = ?1 ORDER BY m.rowid, p.position");
    if (!query.ok()) return failed("成绩记录读不出来"), found;
    query.bind(1, owner);
    const bool read = query.eachRow([&] {
        const std::string name = query.text(0);
        if (found.empty() || found.back().name != name) {
            found.push_back({name, static_cast<int>(query.number(1)), {}});
        }
        if (!query.text(2).empty()) found.back().parts.push_back({query.text(2), static_cast<int>(query.number(3))});
        return true;
    });
    if (!read) return failed("成绩记录读不出来"), std::vector<SkillMix>{};
    worked();
    return found;
}

bool SqliteRecord::writeMix(long long owner, const SkillMix& mix) {
    Statement keep(db_, "INSERT INTO saved_mix(owner, name, question_count) VALUES(?1, ?2, ?3)"
                        " ON CONFLICT(owner, name) DO UPDATE SET question_count = excluded.question_count");
    Statement clear(db_, "DELETE FROM saved_mix_part WHERE owner = ?1 AND name = ?2");
    Statement part(db_, "INSERT INTO saved_mix_part(owner, name, position, skill_key, share) VALUES(?1, ?2, ?3, ?4, ?5)");
    if (!keep.ok() || !clear.ok() || !part.ok()) return failed("口算卷没有保存");
    keep.bind(1, owner);
    keep.bind(2, mix.name);
    keep.bind(3, static_cast<long long>(mix.questionCount));
    clear.bind(1, owner);
    clear.bind(2, mix.name);
    if (keep.step() != SQLITE_DONE || clear.step() != SQLITE_DONE) return failed("口算卷没有保存");
    for (std::size_t position = 0; position < mix.parts.size(); ++position) {
        part.reset();
        part.bind(1, owner);
        part.bind(2, mix.name);
        part.bind(3, static_cast<long long>(position));
        part.bind(4, mix.parts[position].skillKey);
        part.bind(5, static_cast<long long>(mix.parts[position].share));
        if (part.step() != SQLITE_DONE) return failed("口算卷没有保存");
    }
    return true;
}

// Whether the owner has room for one more mix of this name.
bool SqliteRecord::roomForMix(long long owner, const std::string& name, bool& room) {
    Statement count(db_, "SELECT COUNT(*) FROM saved_mix WHERE owner = ?1 AND name <> ?2");
    if (!count.ok()) return failed("成绩记录读不出来");
    count.bind(1, owner);
    count.bind(2, name);
    if (count.step() != SQLITE_ROW) return failed("成绩记录读不出来");
    room = count.number(0) < kMostSavedMixes;
    return true;
}

std::string SqliteRecord::saveMix(long long owner, const SkillMix& typed) {
    SkillMix mix = typed;
    mix.name = normalName(typed.name);
    if (std::string problem = mixNameProblem(mix.name); !problem.empty()) return problem;
    if (std::string problem = mixProblem(mix, [](const MixPart& part) { return part.skillKey; }); !problem.empty()) {
        return problem;
    }
    if (!ensureOpen()) return kNoMixes;
    worked();
    std::string refusal;
    const bool kept = inTransaction([&] {
        bool known = false;
        bool room = false;
        if (!exec(sqlite::kSavedMixTables)) return false;
        if (!childKnown(owner, known) || !roomForMix(owner, mix.name, room)) return false;
        if (!known) refusal = "没有这个孩子。";
        else if (!room) refusal = "最多只能保存" + std::to_string(kMostSavedMixes) + "张口算卷，请先删掉不用的。";
        return refusal.empty() && writeMix(owner, mix);
    });
    if (!refusal.empty()) return refusal;
    if (!kept) return "口算卷没有保存：" + error_;
    worked();
    return "";
}

std::string SqliteRecord::removeMix(long long owner, const std::string& typed) {
    const std::string name = normalName(typed);
    if (!ensureOpen()) return kNoMixes;
    worked();
    bool there = true;
    const bool removed = inTransaction([&] {
        if (!exec(sqlite::kSavedMixTables)) return false;
        for (const char* sql : {"DELETE FROM saved_mix_part WHERE owner = ?1 AND name = ?2",
                                "DELETE FROM saved_mix WHERE owner = ?1 AND name = ?2"}) {
            Statement remove(db_, sql);
            if (!remove.ok()) return failed("口算卷没有删掉");
            remove.bind(1, owner);
            remove.bind(2, name);
            if (remove.step() != SQLITE_DONE) return failed("口算卷没有删掉");
        }
        there = sqlite3_changes(db_) > 0;
        return there;
    });
    if (!there) return "没有叫“" + name + "”的口算卷。";
    if (!removed) return "口算卷没有删掉：" + error_;
    worked();
    return "";
}

}  // namespace tally
