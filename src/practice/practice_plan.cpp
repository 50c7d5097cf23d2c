// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_plan.h"

#include <algorithm>

namespace tally {
namespace {

inline constexpr std::size_t kWeakTopicsInPlan = 3;

// splitmix64: small, fast and the same on every machine, unlike the
// distributions of <random>.
class PlanRandom {
public:
    explicit PlanRandom(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // A value in [0, bound).
    std::size_t below(std::size_t bound) { return static_cast<std::size_t>(next() % bound); }

private:
    std::uint64_t state_;
};

// `questions` new questions given out over `keys` in turns.
void giveOut(std::vector<PlanItem>& plan, PlanSource source, const std::vector<std::string>& keys, int questions) {
    for (int i = 0; i < questions && !keys.empty(); ++i) {
        plan.push_back({source, keys[static_cast<std::size_t>(i) % keys.size()], std::nullopt});
    }
}

std::vector<const ReviewItem*> askable(const std::vector<ReviewItem>& due) {
    std::vector<const ReviewItem*> items;
    for (const ReviewItem& item : due) {
        if (item.question.form != AnswerForm::None && !item.question.topicKey.empty()) items.push_back(&item);
    }
    return items;
}

}  // namespace

std::vector<PlanItem> practicePlan(const PlanInput& input) {
    const int count = std::max(input.count, 0);
    std::vector<PlanItem> plan;
    plan.reserve(static_cast<std::size_t>(count));
    const std::vector<const ReviewItem*> due = askable(input.due);
    std::size_t dueTaken = 0;
    const auto takeDue = [&](int questions) {
        for (int i = 0; i < questions && dueTaken < due.size(); ++i, ++dueTaken) {
            plan.push_back({PlanSource::Review, due[dueTaken]->question.topicKey, due[dueTaken]->question});
        }
    };

    const auto takeSlow = [&](int questions) {
        for (int i = 0; i < questions && i < std::ssize(input.slow); ++i) {
            plan.push_back({PlanSource::Slow, input.slow[static_cast<std::size_t>(i)].topicKey,
                            input.slow[static_cast<std::size_t>(i)]});
        }
    };

    std::vector<std::string> weakKeys;
    for (std::size_t i = 0; i < input.weak.size() && i < kWeakTopicsInPlan; ++i) {
        weakKeys.push_back(input.weak[i].topicKey);
    }
    const bool hasLesson = !input.lessonDrills.empty();
    const auto open = [&] { return count - static_cast<int>(plan.size()); };

    if (input.emptyRecord && due.empty()) {
        const int lesson = input.earlierDrills.empty() ? count : (hasLesson ? count / 2 : 0);
        giveOut(plan, PlanSource::Lesson, input.lessonDrills, lesson);
        giveOut(plan, PlanSource::Earlier, input.earlierDrills, open());
    } else {
        if (!due.empty() || !input.slow.empty()) {
            const int reviewPlaces = std::max(1, (count + 1) / 3);
            takeDue(reviewPlaces);
            takeSlow(reviewPlaces - static_cast<int>(plan.size()));
        }
        // A week whose lesson has nothing practises what came before instead.
        const PlanSource mainSource = hasLesson ? PlanSource::Lesson : PlanSource::Earlier;
        const std::vector<std::string>& mainKeys = hasLesson ? input.lessonDrills : input.earlierDrills;
        const int weakShare = weakKeys.empty() ? 0 : (mainKeys.empty() ? open() : open() / 3);
        giveOut(plan, mainSource, mainKeys, open() - weakShare);
        giveOut(plan, PlanSource::Weak, weakKeys, open());
        takeDue(open());
        giveOut(plan, PlanSource::Earlier, input.earlierDrills, open());
    }
    if (static_cast<int>(plan.size()) > count) plan.resize(static_cast<std::size_t>(count));

    // Fisher–Yates with the plan's own generator: the sheet is mixed, and the
    // same seed mixes it the same way.
    PlanRandom random(input.seed);
    for (std::size_t i = plan.size(); i > 1; --i) std::swap(plan[i - 1], plan[random.below(i)]);
    return plan;
}

std::vector<PlanTopic> planTopics(const std::vector<PlanItem>& plan) {
    std::vector<PlanTopic> topics;
    for (const PlanItem& item : plan) {
        if (item.miss) continue;
        const auto found = std::find_if(topics.begin(), topics.end(), [&](const PlanTopic& topic) {
            return topic.topicKey == item.topicKey;
        });
        if (found == topics.end()) {
            topics.push_back({item.source, item.topicKey, 1});
        } else {
            ++found->questions;
        }
    }
    return topics;
}

}  // namespace tally
