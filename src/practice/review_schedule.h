// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <unordered_map>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

// Spaced review of missed questions. A miss comes back the day after; each
// right answer on a later day sends it further off (3, then 7, then 16 days);
// the fourth right answer in a row, each on a different day, means it is
// learned and it leaves. A wrong answer starts it again at one day. A miss
// that cannot be asked again (AnswerForm::None: a card hand, a question known
// only by its place) never comes back, so it is not scheduled at all.
//
// Answers count from the day they are given, so a question answered late is
// not sent further than its interval. A right answer given before the
// question is due (the same question on another sheet, or twice in a day)
// leaves its schedule as it is: only the answers that come when it is due
// count as the spaced steps.
inline constexpr int kReviewIntervals[] = {1, 3, 7, 16};
inline constexpr int kRightAnswersToLearn = 4;

// A question is known by its topic and its text.
using ReviewKey = std::pair<std::string, std::string>;  // topicKey, question

struct ReviewItem {
    MissedQuestion question;  // its latest miss, to ask it again as it was
    int rightInARow = 0;      // 0…3
    Day lastAnswered = 0;     // the day of the miss or of the last counted answer
    Day due = 0;

    ReviewKey key() const { return {question.topicKey, question.question}; }
    bool operator==(const ReviewItem&) const = default;
};

// What happened to a question: missed on a sheet, or answered on a practice
// sheet. For a right answer only the question's topicKey and text matter.
struct ReviewEvent {
    std::string when;  // "YYYY-MM-DD HH:MM:SS" or "YYYY-MM-DD"
    MissedQuestion question;
    bool right = false;
};

// Which due questions to give: at most `limit`.
struct DueQuery {
    std::size_t limit = static_cast<std::size_t>(-1);
};

class ReviewSchedule {
public:
    ReviewSchedule() = default;
    // Back from stored rows (as items() gave them); a later row of the same
    // question replaces an earlier one.
    explicit ReviewSchedule(std::vector<ReviewItem> items);

    // The question was answered wrong on `day`: it comes back the day after.
    // `question.topicKey` must be filled in: a miss kept without one takes its sheet's.
    void missed(Day day, const MissedQuestion& question);
    // The question was answered on `day`. A question not in the schedule is
    // left out of it when right (nothing to review) and added when wrong.
    void answered(Day day, const MissedQuestion& question, bool right);
    void apply(const ReviewEvent& event);

    // The questions due on `today` or before: the longest waiting first, then
    // by topic and question.
    std::vector<ReviewItem> due(Day today, const DueQuery& query = {}) const;
    // How many are due on `today` or before.
    int dueCount(Day today) const;
    const ReviewItem* find(const ReviewKey& key) const;
    // Every question still to learn, by topic and question: rows to store.
    std::vector<ReviewItem> items() const;
    std::size_t size() const { return items_.size(); }

private:
    struct KeyHash {
        std::size_t operator()(const ReviewKey& key) const {
            const std::size_t topic = std::hash<std::string>{}(key.first);
            return topic ^ (std::hash<std::string>{}(key.second) + 0x9e3779b97f4a7c15ULL + (topic << 6) + (topic >> 2));
        }
    };
    std::unordered_map<ReviewKey, ReviewItem, KeyHash> items_;
};

// One question's schedule from its own answers alone, in the order given:
// what a ReviewSchedule holds for it after the same answers, without a
// table, for a history taken a question at a time. The questions answered
// must outlive it.
class QuestionReview {
public:
    void answered(Day day, const MissedQuestion& question, bool right);
    // Where it stands; nothing when it is not to be reviewed (never missed
    // in a form that can be asked again, or learned).
    std::optional<ReviewItem> item() const;

private:
    const MissedQuestion* latest_ = nullptr;  // its latest miss, while it is held
    int rightInARow_ = 0;
    Day lastAnswered_ = 0;
    Day due_ = 0;
};

// The due questions among stored rows (as items() gave them), without
// building a schedule: what a practice needs from a large stored list.
std::vector<ReviewItem> dueOf(const std::vector<ReviewItem>& items, Day today, const DueQuery& query = {});

// The schedule as the history leaves it: every miss of the record a wrong
// answer, and the answers of the daily practice, taken in the order given,
// which is the order the record stored its sheets (each sheet's misses before
// its answers), whatever the sheets' times say: the record's kept copy moves
// on in that order too. An event whose date cannot be read is skipped.
ReviewSchedule rebuildSchedule(const std::vector<ReviewEvent>& history);
// The same history's due questions on `today`, worked out without keeping a
// copy of every question: the quick way to today's practice from the rows.
std::vector<ReviewItem> dueFromHistory(const std::vector<ReviewEvent>& history, Day today, const DueQuery& query = {});

}  // namespace tally
