// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/slow_questions.h"

#include <set>

#include "practice/slow_facts.h"
#include "skills/skill_question_lookup.h"

namespace tally {

std::optional<std::vector<MissedQuestion>> readSlowQuestions(ProgressRecord& record, long long childId,
                                                             const std::vector<std::string>& topicKeys, Day today,
                                                             const std::vector<ReviewItem>& due, std::size_t limit) {
    std::vector<std::string> skillKeys;
    for (const std::string& key : topicKeys) {
        if (findSkill(key)) skillKeys.push_back(key);
    }
    std::vector<MissedQuestion> asked;
    if (skillKeys.empty() || limit == 0) return asked;
    std::vector<TimedAnswer> answers = record.topicAnswers(childId, skillKeys);
    if (record.trouble() != RecordTrouble::None) return std::nullopt;
    std::set<ReviewKey> dueKeys;
    for (const ReviewItem& item : due) dueKeys.insert(item.key());
    for (const SlowFact& fact : slowFacts(std::move(answers), today)) {
        if (asked.size() == limit) break;
        if (dueKeys.count({fact.topicKey, fact.question})) continue;
        // A text no 横式 sheet of the skill shows (one of 竖式) is not asked again.
        if (std::optional<MissedQuestion> question = skillQuestionOfText(*findSkill(fact.topicKey), fact.question)) {
            asked.push_back(std::move(*question));
        }
    }
    return asked;
}

}  // namespace tally
