#include "practice/review_schedule.h"

#include <algorithm>
#include <cstdint>

namespace tally {
namespace {

bool dueFirst(const ReviewItem& a, const ReviewItem& b) {
    if (a.due != b.due) return a.due < b.due;
    if (a.question.topicKey != b.question.topicKey) return a.question.topicKey < b.question.topicKey;
    return a.question.question < b.question.question;
}

// Seconds since 1970 of "YYYY-MM-DD HH:MM:SS" (a date alone is its midnight),
// to put events in order without comparing the texts again and again.
std::optional<std::int64_t> momentOf(const std::string& when) {
    const auto day = parseDay(when);
    if (!day) return std::nullopt;
    std::int64_t seconds = 0;
    if (when.size() >= 19) {
        const auto two = [&](std::size_t at) {
            const char a = when[at], b = when[at + 1];
            return (a >= '0' && a <= '9' && b >= '0' && b <= '9') ? (a - '0') * 10 + (b - '0') : 0;
        };
        seconds = two(11) * 3600 + two(14) * 60 + two(17);
    }
    return std::int64_t{*day} * 86400 + seconds;
}

}  // namespace

ReviewSchedule::ReviewSchedule(const std::vector<ReviewItem>& items) {
    items_.reserve(items.size());
    for (const ReviewItem& item : items) items_[item.key()] = item;
}

void ReviewSchedule::missed(Day day, const MissedQuestion& question) {
    ReviewItem& item = items_[{question.topicKey, question.question}];
    item.question = question;
    item.rightInARow = 0;
    item.lastAnswered = day;
    item.due = day + kReviewIntervals[0];
}

void ReviewSchedule::answered(Day day, const MissedQuestion& question, bool right) {
    if (!right) {
        missed(day, question);
        return;
    }
    const auto found = items_.find({question.topicKey, question.question});
    if (found == items_.end()) return;
    ReviewItem& item = found->second;
    // Early, or the same day again: it does not count as a spaced step.
    if (day < item.due) return;
    if (++item.rightInARow >= kRightAnswersToLearn) {
        items_.erase(found);
        return;
    }
    item.lastAnswered = day;
    item.due = day + kReviewIntervals[item.rightInARow];
}

void ReviewSchedule::apply(const ReviewEvent& event) {
    const auto day = parseDay(event.when);
    if (!day) return;
    answered(*day, event.question, event.right);
}

std::vector<ReviewItem> ReviewSchedule::due(Day today) const {
    std::vector<ReviewItem> due;
    for (const auto& [key, item] : items_) {
        if (item.due <= today) due.push_back(item);
    }
    std::sort(due.begin(), due.end(), dueFirst);
    return due;
}

int ReviewSchedule::dueCount(Day today) const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [&](const auto& entry) { return entry.second.due <= today; }));
}

const ReviewItem* ReviewSchedule::find(const ReviewKey& key) const {
    const auto found = items_.find(key);
    return found == items_.end() ? nullptr : &found->second;
}

std::vector<ReviewItem> ReviewSchedule::items() const {
    std::vector<ReviewItem> all;
    all.reserve(items_.size());
    for (const auto& [key, item] : items_) all.push_back(item);
    std::sort(all.begin(), all.end(), [](const ReviewItem& a, const ReviewItem& b) { return a.key() < b.key(); });
    return all;
}

ReviewSchedule rebuildSchedule(std::vector<ReviewEvent> history) {
    // (moment, index) pairs sorted stably: events of the same moment keep
    // their given order.
    std::vector<std::pair<std::int64_t, std::size_t>> order;
    order.reserve(history.size());
    for (std::size_t i = 0; i < history.size(); ++i) {
        if (const auto moment = momentOf(history[i].when)) order.emplace_back(*moment, i);
    }
    const auto byMoment = [](const auto& a, const auto& b) { return a.first < b.first; };
    if (!std::is_sorted(order.begin(), order.end(), byMoment)) {
        std::stable_sort(order.begin(), order.end(), byMoment);
    }
    ReviewSchedule schedule;
    for (const auto& [moment, index] : order) {
        const std::int64_t day = moment >= 0 ? moment / 86400 : (moment - 86399) / 86400;
        schedule.answered(static_cast<Day>(day), history[index].question, history[index].right);
    }
    return schedule;
}

std::vector<ReviewEvent> missEvents(const std::vector<MissRow>& misses) {
    std::vector<ReviewEvent> events;
    events.reserve(misses.size());
    for (const MissRow& miss : misses) events.push_back({miss.when, miss.question, false});
    return events;
}

}  // namespace tally
