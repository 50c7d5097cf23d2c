// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/plan_questions.h"

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace tally {
namespace {

// How often a topic is drawn again before it counts as having no more.
constexpr int kDrawsPerTopic = 3;

// A seed of its own for each topic and draw, the same on every computer (FNV-1a).
std::uint64_t topicSeed(std::uint64_t seed, const std::string& topicKey, int draw) {
    std::uint64_t hash = 1469598103934665603ULL ^ seed;
    for (unsigned char c : topicKey) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash + static_cast<std::uint64_t>(draw) * 0x9e3779b97f4a7c15ULL;
}

// The sheet as it is filled: every text on it once, and each topic's drawn
// questions not asked yet.
class SheetDraw {
public:
    SheetDraw(TopicQuestionSource& source, std::uint64_t seed) : source_(source), seed_(seed) {}

    std::optional<MissedQuestion> miss(MissedQuestion question) {
        if (!onSheet_.insert(question.question).second) return std::nullopt;
        question.typed.clear();
        return question;
    }

    // The topic's next question not on the sheet; `batch` more are drawn
    // when those drawn before are used up.
    std::optional<MissedQuestion> next(const std::string& topicKey, int batch) {
        Pool& pool = pools_[topicKey];
        while (true) {
            while (!pool.ready.empty()) {
                MissedQuestion question = std::move(pool.ready.front());
                pool.ready.pop_front();
                if (onSheet_.insert(question.question).second) return question;
            }
            if (pool.draws == kDrawsPerTopic || !drawMore(topicKey, pool, batch)) return std::nullopt;
        }
    }

private:
    struct Pool {
        std::deque<MissedQuestion> ready;
        std::set<std::string> drawn;
        int draws = 0;
    };

    // False when the draw brought nothing new.
    bool drawMore(const std::string& topicKey, Pool& pool, int batch) {
        const int draw = pool.draws++;
        bool fresh = false;
        for (MissedQuestion& question : source_.draw(topicKey, batch, topicSeed(seed_, topicKey, draw))) {
            if (!pool.drawn.insert(question.question).second || onSheet_.count(question.question)) continue;
            pool.ready.push_back(std::move(question));
            fresh = true;
        }
        if (!fresh) pool.draws = kDrawsPerTopic;
        return fresh;
    }

    TopicQuestionSource& source_;
    std::uint64_t seed_;
    std::set<std::string> onSheet_;
    std::map<std::string, Pool> pools_;
};

// What an open place is filled from, in order.
struct Spare {
    PlanSource source = PlanSource::Weak;
    std::string topicKey;
    const MissedQuestion* miss = nullptr;
};

std::vector<Spare> sparesOf(const std::vector<PlanItem>& plan, const PlanInput& input) {
    std::vector<Spare> spares;
    std::set<std::string> topics;
    const auto addTopic = [&](PlanSource source, const std::string& key) {
        if (topics.insert(key).second) spares.push_back({source, key, nullptr});
    };
    for (const PlanTopic& topic : planTopics(plan)) addTopic(topic.source, topic.topicKey);
    std::set<ReviewKey> planned;
    for (const PlanItem& item : plan) {
        if (item.miss) planned.insert({item.miss->topicKey, item.miss->question});
    }
    for (const ReviewItem& due : input.due) {
        const bool askable = due.question.form != AnswerForm::None && !due.question.topicKey.empty();
        if (askable && !planned.count(due.key())) spares.push_back({PlanSource::Review, "", &due.question});
    }
    for (const MissedQuestion& slow : input.slow) {
        if (!planned.count({slow.topicKey, slow.question})) spares.push_back({PlanSource::Slow, "", &slow});
    }
    for (const std::string& key : input.lessonDrills) addTopic(PlanSource::Lesson, key);
    for (const std::string& key : input.earlierDrills) addTopic(PlanSource::Earlier, key);
    for (const WeakTopic& weak : input.weak) addTopic(PlanSource::Weak, weak.topicKey);
    return spares;
}

// The next spare question, from the spare at `at` on.
std::optional<TodayQuestion> takeSpare(SheetDraw& sheet, const std::vector<Spare>& spares, std::size_t& at) {
    for (; at < spares.size(); ++at) {
        const Spare& from = spares[at];
        if (from.miss) {
            if (std::optional<MissedQuestion> question = sheet.miss(*from.miss)) {
                ++at;  // a miss is asked once
                return TodayQuestion{from.source, std::move(*question)};
            }
        } else if (std::optional<MissedQuestion> question = sheet.next(from.topicKey, kPracticeQuestions)) {
            return TodayQuestion{from.source, std::move(*question)};
        }
    }
    return std::nullopt;
}

// The next due miss or slow fact not on the sheet, from the spare at `at` on:
// a review place left open by a text already asked keeps the sheet's share of review.
std::optional<TodayQuestion> takeDueSpare(SheetDraw& sheet, const std::vector<Spare>& spares, std::size_t& at) {
    for (; at < spares.size(); ++at) {
        if (!spares[at].miss) continue;
        if (std::optional<MissedQuestion> question = sheet.miss(*spares[at].miss)) {
            const PlanSource source = spares[at++].source;
            return TodayQuestion{source, std::move(*question)};
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<TodayQuestion> planQuestions(const std::vector<PlanItem>& plan, const PlanInput& input,
                                         TopicQuestionSource& source, std::uint64_t seed) {
    SheetDraw sheet(source, seed);
    std::map<std::string, int> planned;
    for (const PlanTopic& topic : planTopics(plan)) planned[topic.topicKey] = topic.questions;

    // The review questions first, so a new one equal to one of them is the one left out.
    std::vector<std::optional<TodayQuestion>> places(plan.size());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (!plan[i].miss) continue;
        if (std::optional<MissedQuestion> question = sheet.miss(*plan[i].miss)) places[i] = {plan[i].source, *question};
    }
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (plan[i].miss) continue;
        if (std::optional<MissedQuestion> question = sheet.next(plan[i].topicKey, planned[plan[i].topicKey])) {
            places[i] = {plan[i].source, *question};
        }
    }

    const std::vector<Spare> spares = sparesOf(plan, input);
    std::size_t spare = 0;
    std::size_t dueSpare = 0;
    std::vector<TodayQuestion> questions;
    for (std::size_t i = 0; i < places.size(); ++i) {
        std::optional<TodayQuestion>& place = places[i];
        if (!place && plan[i].miss) place = takeDueSpare(sheet, spares, dueSpare);
        if (!place) place = takeSpare(sheet, spares, spare);
        if (place) questions.push_back(std::move(*place));
    }
    return questions;
}

}  // namespace tally
