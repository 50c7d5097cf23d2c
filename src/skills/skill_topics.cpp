// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_topics.h"

#include "progress/children.h"

namespace tally {
namespace {

std::string gradeKey(int grade) { return kSkillSigil + std::to_string(grade); }

std::string termKey(const SkillRow& row) { return gradeKey(row.grade) + (row.term == Term::first ? "1" : "2"); }

std::string unitKey(const std::string& term, int place) {
    return term + (place < 10 ? "-0" : "-") + std::to_string(place);
}

TopicRow folderRow(std::string key, std::string caption, std::string parent) {
    std::string tag = key;
    return {std::move(key), std::move(caption), std::move(tag), std::move(parent), !parent.empty()};
}

// The unit node of each skill, numbered in its term as the table meets them.
struct SkillPlace {
    const SkillRow* row;
    std::string unitKey;
};

std::vector<SkillPlace> skillPlaces() {
    std::vector<SkillPlace> places;
    std::string term;
    std::string unit;
    int unitPlace = 0;
    for (const SkillRow& row : skillTable()) {
        if (termKey(row) != term) {
            term = termKey(row);
            unit.clear();
            unitPlace = 0;
        }
        if (row.unit != unit) {
            unit = row.unit;
            ++unitPlace;
        }
        places.push_back({&row, unitKey(term, unitPlace)});
    }
    return places;
}

}  // namespace

std::string termCaption(int grade, Term term) { return gradeName(grade) + (term == Term::first ? "上学期" : "下学期"); }

std::vector<TopicRow> skillTopicRows() {
    std::vector<TopicRow> rows;
    std::string lastGrade, lastTerm, lastUnit;
    for (const auto& [row, unit] : skillPlaces()) {
        const std::string grade = gradeKey(row->grade);
        const std::string term = termKey(*row);
        if (grade != lastGrade) rows.push_back(folderRow(lastGrade = grade, gradeName(row->grade), ""));
        if (term != lastTerm) rows.push_back(folderRow(lastTerm = term, termCaption(row->grade, row->term), grade));
        if (unit != lastUnit) rows.push_back(folderRow(lastUnit = unit, row->unit, term));
        rows.push_back({row->key, row->caption, row->key, unit});
    }
    return rows;
}

std::vector<const SkillRow*> skillsUnder(const std::string& nodeKey) {
    std::vector<const SkillRow*> skills;
    for (const auto& [row, unit] : skillPlaces()) {
        const bool below = row->key == nodeKey || unit == nodeKey || termKey(*row) == nodeKey ||
                           gradeKey(row->grade) == nodeKey;
        if (below) skills.push_back(row);
    }
    return skills;
}

}  // namespace tally
