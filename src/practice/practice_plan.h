// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "practice/review_schedule.h"
#include "practice/weak_topics.h"

namespace tally {

inline constexpr int kPracticeQuestions = 20;

enum class PlanSource {
    Review,      // a due miss, asked again as it was
    Weak,        // a new question of a weak topic
    Lesson,      // a new question of this week's lesson's drill
    Earlier,     // a new question of a drill taught before this week
    Slow,        // a fact answered but not yet quickly, asked again as it was
    Similar,     // a new question after a due miss of a kind of error, where the same mistake can happen
};

struct PlanItem {
    PlanSource source = PlanSource::Weak;
    std::string topicKey;
    std::optional<MissedQuestion> miss;  // for Review and Slow: the question to ask again

    bool operator==(const PlanItem&) const = default;
};

struct PlanInput {
    // The due misses, the longest waiting first: ReviewSchedule::due(),
    // dueOf() or dueFromHistory() with DueQuery{count} give enough.
    std::vector<ReviewItem> due;
    // The slow facts that can be asked, the slowest first, none of them due.
    std::vector<MissedQuestion> slow;
    std::vector<WeakTopic> weak;            // as weakTopics() gives them
    std::vector<std::string> lessonDrills;   // PracticeSources::lessonDrills
    std::vector<std::string> earlierDrills;  // PracticeSources::earlierDrills
    bool emptyRecord = false;               // the child has no sheet yet
    int count = kPracticeQuestions;
    std::uint64_t seed = 0;
};

// How the plan is made:
// - Due misses, the longest waiting first, about a third of the sheet
//   (count / 3 rounded, at least one when any is due); a miss that cannot be
//   asked again (AnswerForm::None) is left out. The slow facts, the slowest
//   first, take the review places the due misses leave free.
// - The rest: a third (rounded down) from the three weakest topics, given
//   out in turns so the weakest gets the most, the other two thirds from the
//   lesson's drills, or from the earlier drills when the lesson has none. A
//   source that has nothing gives its share to the others; due misses then
//   fill what is still open, and then the earlier drills.
// - An empty record: half from the lesson's drills, the rest from the earlier
//   drills (all from one of them when the other has none).
// The questions are then shuffled by `seed`, so the same seed and the same
// input give the same plan. A plan can come out shorter than `count` only
// when there is nothing at all to draw from.
std::vector<PlanItem> practicePlan(const PlanInput& input);

// The plan by topic, for the generators: each topic once with how many new
// questions it asks, in the order the topics first appear in the plan. The
// due misses are left out (they are asked as they are).
struct PlanTopic {
    PlanSource source = PlanSource::Weak;
    std::string topicKey;
    int questions = 0;

    bool operator==(const PlanTopic&) const = default;
};
std::vector<PlanTopic> planTopics(const std::vector<PlanItem>& plan);

}  // namespace tally
