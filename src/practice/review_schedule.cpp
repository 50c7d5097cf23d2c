// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/review_schedule.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace tally {
namespace {

// The spaced steps, shared by the schedule and the quick pass over the rows.
void restart(int& rightInARow, Day& lastAnswered, Day& due, Day day) {
    rightInARow = 0;
    lastAnswered = day;
    due = day + kReviewIntervals[0];
}

// A right answer on `day`; true when the question is now learned.
bool answeredRight(int& rightInARow, Day& lastAnswered, Day& due, Day day) {
    // Early, or the same day again: it does not count as a spaced step.
    if (day < due) return false;
    if (++rightInARow >= kRightAnswersToLearn) return true;
    lastAnswered = day;
    due = day + kReviewIntervals[rightInARow];
    return false;
}

bool dueFirst(const ReviewItem* a, const ReviewItem* b) {
    if (a->due != b->due) return a->due < b->due;
    if (a->question.topicKey != b->question.topicKey) return a->question.topicKey < b->question.topicKey;
    return a->question.question < b->question.question;
}

// The due ones among `items`, sorted, at most query.limit of them.
template <typename Items, typename Item>
std::vector<ReviewItem> pickDue(const Items& items, Item itemOf, Day today, const DueQuery& query) {
    std::vector<const ReviewItem*> due;
    for (const auto& entry : items) {
        const ReviewItem& item = itemOf(entry);
        if (item.due > today) continue;
        due.push_back(&item);
    }
    const std::size_t count = std::min(query.limit, due.size());
    std::partial_sort(due.begin(), due.begin() + static_cast<long>(count), due.end(), dueFirst);
    std::vector<ReviewItem> picked;
    picked.reserve(count);
    for (std::size_t i = 0; i < count; ++i) picked.push_back(*due[i]);
    return picked;
}

// One event of the history, pointing into the rows it came from.
struct EventRef {
    long long moment;  // seconds since 1970
    const MissedQuestion* question;
    Day day;
    bool right;
};

// Adds events, reading each time once: the misses of one sheet share it.
class EventList {
public:
    explicit EventList(std::size_t expected) { events_.reserve(expected); }

    void add(const std::string& when, const MissedQuestion& question, bool right) {
        if (!lastWhen_ || when != *lastWhen_) {
            lastWhen_ = &when;
            lastMoment_ = momentOf(when);
        }
        if (!lastMoment_) return;
        const long long moment = *lastMoment_;
        const long long day = moment >= 0 ? moment / 86400 : (moment - 86399) / 86400;
        events_.push_back({moment, &question, static_cast<Day>(day), right});
    }

    std::vector<EventRef>& events() { return events_; }

private:
    std::vector<EventRef> events_;
    const std::string* lastWhen_ = nullptr;
    std::optional<long long> lastMoment_;
};

// The state of every question the history leaves. The questions are known
// by pointers into the rows: none is copied until it is known to be wanted.
struct QuickState {
    const MissedQuestion* latest = nullptr;
    int rightInARow = 0;
    Day lastAnswered = 0;
    Day due = 0;
    bool learned = false;
};

std::uint64_t mixed(std::uint64_t value) {
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

std::uint64_t questionHash(const MissedQuestion& question) {
    const std::uint64_t topic = std::hash<std::string_view>{}(question.topicKey);
    return mixed(topic * 31 + std::hash<std::string_view>{}(question.question));
}

// An open-addressing table from question to state: a record holds hundreds
// of thousands of misses, and a table of nodes spends its time in the
// allocator and in cache misses.
class QuickStates {
public:
    explicit QuickStates(std::size_t expected) {
        std::size_t size = 16;
        while (size < expected * 2) size *= 2;
        slots_.assign(size, Slot{});
        states_.reserve(expected);
    }

    QuickState* find(const MissedQuestion& question) {
        Slot& slot = slotOf(question);
        return slot.state ? &states_[slot.state - 1] : nullptr;
    }

    QuickState& get(const MissedQuestion& question) {
        Slot& slot = slotOf(question);
        if (!slot.state) {
            states_.push_back({});
            slot.state = static_cast<std::uint32_t>(states_.size());
            states_.back().latest = &question;
        }
        return states_[slot.state - 1];
    }

    const std::vector<QuickState>& states() const { return states_; }

private:
    // Eight bytes a slot, so the table stays small enough for the cache: a
    // part of the hash to skip most other questions without reading them.
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t state = 0;  // index + 1; 0 when empty
    };

    Slot& slotOf(const MissedQuestion& question) {
        const std::uint64_t hash = questionHash(question);
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            Slot& slot = slots_[at];
            if (!slot.state) {
                slot.tag = tag;
                return slot;
            }
            if (slot.tag == tag) {
                const MissedQuestion& known = *states_[slot.state - 1].latest;
                if (known.question == question.question && known.topicKey == question.topicKey) return slot;
            }
        }
    }

    std::vector<Slot> slots_;
    std::vector<QuickState> states_;
};

QuickStates quickStates(const std::vector<EventRef>& events) {
    QuickStates states(events.size());
    for (const EventRef& event : events) {
        if (!event.right) {
            if (event.question->form == AnswerForm::None) continue;
            QuickState& state = states.get(*event.question);
            state.latest = event.question;
            state.learned = false;
            restart(state.rightInARow, state.lastAnswered, state.due, event.day);
            continue;
        }
        QuickState* state = states.find(*event.question);
        if (!state || state->learned) continue;
        state->learned = answeredRight(state->rightInARow, state->lastAnswered, state->due, event.day);
    }
    return states;
}

ReviewItem itemOf(const QuickState& state) {
    return {*state.latest, state.rightInARow, state.lastAnswered, state.due};
}

ReviewSchedule scheduleOf(const std::vector<EventRef>& events) {
    const QuickStates states = quickStates(events);
    std::vector<ReviewItem> items;
    for (const QuickState& state : states.states()) {
        if (!state.learned) items.push_back(itemOf(state));
    }
    return ReviewSchedule(std::move(items));
}

// In the order given: the order the record stored the sheets.
std::vector<EventRef> eventsOf(const std::vector<ReviewEvent>& history) {
    EventList list(history.size());
    for (const ReviewEvent& event : history) list.add(event.when, event.question, event.right);
    return std::move(list.events());
}

}  // namespace

ReviewSchedule::ReviewSchedule(std::vector<ReviewItem> items) {
    items_.reserve(items.size());
    for (ReviewItem& item : items) {
        ReviewKey key = item.key();
        items_.insert_or_assign(std::move(key), std::move(item));
    }
}

void ReviewSchedule::missed(Day day, const MissedQuestion& question) {
    if (question.form == AnswerForm::None) return;
    ReviewItem& item = items_[{question.topicKey, question.question}];
    item.question = question;
    restart(item.rightInARow, item.lastAnswered, item.due, day);
}

void ReviewSchedule::answered(Day day, const MissedQuestion& question, bool right) {
    if (!right) {
        missed(day, question);
        return;
    }
    const auto found = items_.find({question.topicKey, question.question});
    if (found == items_.end()) return;
    ReviewItem& item = found->second;
    if (answeredRight(item.rightInARow, item.lastAnswered, item.due, day)) items_.erase(found);
}

void ReviewSchedule::apply(const ReviewEvent& event) {
    const auto day = parseDay(event.when);
    if (!day) return;
    answered(*day, event.question, event.right);
}

std::vector<ReviewItem> ReviewSchedule::due(Day today, const DueQuery& query) const {
    return pickDue(items_, [](const auto& entry) -> const ReviewItem& { return entry.second; }, today, query);
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

void QuestionReview::answered(Day day, const MissedQuestion& question, bool right) {
    if (!right) {
        if (question.form == AnswerForm::None) return;
        latest_ = &question;
        restart(rightInARow_, lastAnswered_, due_, day);
        return;
    }
    if (latest_ && answeredRight(rightInARow_, lastAnswered_, due_, day)) latest_ = nullptr;
}

std::optional<ReviewItem> QuestionReview::item() const {
    if (!latest_) return std::nullopt;
    return ReviewItem{*latest_, rightInARow_, lastAnswered_, due_};
}

std::vector<ReviewItem> dueOf(const std::vector<ReviewItem>& items, Day today, const DueQuery& query) {
    return pickDue(items, [](const ReviewItem& item) -> const ReviewItem& { return item; }, today, query);
}

ReviewSchedule rebuildSchedule(const std::vector<ReviewEvent>& history) { return scheduleOf(eventsOf(history)); }

std::vector<ReviewItem> dueFromHistory(const std::vector<ReviewEvent>& history, Day today, const DueQuery& query) {
    const QuickStates states = quickStates(eventsOf(history));
    // Items without their question, sorted; the questions are copied only
    // for those given.
    std::vector<const QuickState*> due;
    for (const QuickState& state : states.states()) {
        if (state.learned || state.due > today) continue;
        due.push_back(&state);
    }
    const auto first = [](const QuickState* a, const QuickState* b) {
        if (a->due != b->due) return a->due < b->due;
        if (a->latest->topicKey != b->latest->topicKey) return a->latest->topicKey < b->latest->topicKey;
        return a->latest->question < b->latest->question;
    };
    const std::size_t count = std::min(query.limit, due.size());
    std::partial_sort(due.begin(), due.begin() + static_cast<long>(count), due.end(), first);
    std::vector<ReviewItem> picked;
    picked.reserve(count);
    for (std::size_t i = 0; i < count; ++i) picked.push_back(itemOf(*due[i]));
    return picked;
}

}  // namespace tally
