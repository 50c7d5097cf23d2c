// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/similar_questions.h"

#include <set>
#include <string>

#include "sheets/error_kinds.h"

namespace tally {
namespace {

// How many of the topic's questions are drawn to find those where the mistake can happen.
constexpr int kDrawnToChooseFrom = 20;

bool isNewQuestion(const TodayQuestion& question) {
    return question.source == PlanSource::Weak || question.source == PlanSource::Lesson ||
           question.source == PlanSource::Earlier;
}

ErrorKind kindOfDue(const TodayQuestion& question, const std::vector<ReviewItem>& due) {
    if (question.source != PlanSource::Review) return ErrorKind::None;
    for (const ReviewItem& item : due) {
        const MissedQuestion& miss = item.question;
        if (miss.topicKey == question.question.topicKey && miss.question == question.question.question) {
            return classifyMiss(miss.question, miss.typed, miss.correct);
        }
    }
    return ErrorKind::None;
}

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

void addSimilarQuestions(std::vector<TodayQuestion>& questions, const std::vector<ReviewItem>& due,
                         TopicQuestionSource& source, std::uint64_t seed) {
    std::vector<MissedQuestion> asked;
    int newQuestions = 0;
    for (const TodayQuestion& question : questions) {
        asked.push_back(question.question);
        asked.back().kind = kindOfDue(question, due);
        newQuestions += isNewQuestion(question) ? 1 : 0;
    }
    const std::size_t count = questions.size();
    const std::vector<MissedQuestion> sheet =
        withSimilarQuestions(asked, static_cast<int>(count) + newQuestions, source, seed);
    std::vector<TodayQuestion> withSimilar;
    std::size_t planned = 0;
    for (const MissedQuestion& question : sheet) {
        if (planned < count && question.question == questions[planned].question.question) {
            withSimilar.push_back(questions[planned++]);
        } else {
            MissedQuestion similar = question;
            similar.kind = ErrorKind::None;
            withSimilar.push_back({PlanSource::Similar, std::move(similar)});
        }
    }
    // The count as the child chose it: the last new questions make the room.
    for (std::size_t at = withSimilar.size(); withSimilar.size() > count && at-- > 0;) {
        if (isNewQuestion(withSimilar[at])) withSimilar.erase(withSimilar.begin() + static_cast<std::ptrdiff_t>(at));
    }
    questions = std::move(withSimilar);
}

}  // namespace tally
