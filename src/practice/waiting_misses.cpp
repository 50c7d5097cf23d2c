// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/waiting_misses.h"

#include <algorithm>
#include <map>
#include <optional>

#include "practice/html_parts.h"

namespace tally {

std::string waitingSentence(int waiting) {
    if (waiting <= 0) return "现在没有等着复习的错题。";
    return "有" + std::to_string(waiting) + "道错题等着复习，每道做对四次就学会了。";
}

std::string waitingParagraph(int waiting) {
    return element("p", waitingSentence(waiting),
                   "class=\"plain waiting\" data-waiting=" + std::to_string(std::max(waiting, 0)));
}

std::vector<ReviewItem> missesWaitingSince(const std::vector<ReviewEvent>& history, Day from, Day today) {
    // Each question's own answers decide where it stands, so only the
    // questions missed in those days are followed.
    std::map<ReviewKey, QuestionReview> missedThen;
    for (const ReviewEvent& event : history) {
        const std::optional<Day> day = parseDay(event.when);
        if (day && !event.right && *day >= from && *day <= today) missedThen.try_emplace(ReviewKey{event.question.topicKey, event.question.question});
    }
    for (const ReviewEvent& event : history) {
        const std::optional<Day> day = parseDay(event.when);
        const auto found = missedThen.find({event.question.topicKey, event.question.question});
        if (day && found != missedThen.end()) found->second.answered(*day, event.question, event.right);
    }
    std::vector<ReviewItem> waiting;
    for (const auto& [key, review] : missedThen) {
        if (std::optional<ReviewItem> item = review.item()) waiting.push_back(std::move(*item));
    }
    std::stable_sort(waiting.begin(), waiting.end(),
                     [](const ReviewItem& a, const ReviewItem& b) { return a.due < b.due; });
    return waiting;
}

}  // namespace tally
