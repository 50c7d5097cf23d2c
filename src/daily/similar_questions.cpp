// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/similar_questions.h"

#include <set>
#include <string>

#include "sheets/error_kinds.h"

namespace tally {
namespace {

// How many of the topic's questions are drawn to find those where the mistake can happen.
constexpr int kDrawnToChooseFrom = 20;

}  // namespace

std::vector<MissedQuestion> withSimilarQuestions(const std::vector<MissedQuestion>& misses, int count,
                                                 TopicQuestionSource& source, std::uint64_t seed) {
    std::set<std::string> onSheet;
    for (const MissedQuestion& miss : misses) onSheet.insert(miss.question);
    int room = count - static_cast<int>(misses.size());
    std::vector<std::vector<MissedQuestion>> after(misses.size());
    std::vector<std::vector<MissedQuestion>> candidates(misses.size());
    for (std::size_t i = 0; i < misses.size() && room > 0; ++i) {
        const MissedQuestion& miss = misses[i];
        if (miss.kind == ErrorKind::None || miss.topicKey.empty() || !source.draws(miss.topicKey)) continue;
        for (MissedQuestion& drawn : source.draw(miss.topicKey, kDrawnToChooseFrom, seed + i)) {
            if (kindCanHappen(miss.kind, drawn.question, drawn.correct)) candidates[i].push_back(std::move(drawn));
        }
    }
    for (int round = 0; round < kSimilarPerMiss; ++round) {
        for (std::size_t i = 0; i < misses.size() && room > 0; ++i) {
            for (auto& candidate : candidates[i]) {
                if (candidate.question.empty() || !onSheet.insert(candidate.question).second) continue;
                after[i].push_back(candidate);
                candidate.question.clear();  // taken
                --room;
                break;
            }
        }
    }
    std::vector<MissedQuestion> sheet;
    for (std::size_t i = 0; i < misses.size(); ++i) {
        sheet.push_back(misses[i]);
        sheet.insert(sheet.end(), after[i].begin(), after[i].end());
    }
    return sheet;
}

}  // namespace tally
