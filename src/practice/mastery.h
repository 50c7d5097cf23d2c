// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "practice/practice_rows.h"

namespace tally {

// How well a practised topic sits, for the small mark beside its caption.
enum class Mastery {
    Practised,  // 练过
    Fluent,     // 熟练: the last three sheets scored 90 or more, in the usual time
    NeedsWork,  // 要加油: the last sheet scored below 60
};

inline constexpr int kFluentScore = 90;
inline constexpr int kFluentSheets = 3;
inline constexpr int kNeedsWorkBelow = 60;
// The topic's usual time is the child's median of seconds per question over
// all the topic's sheets (the median, so that one sheet left open over
// dinner does not move it). "Within the usual time": the last three sheets
// together take no more than a quarter longer per question than that. The
// topic's answers on the daily practice count as sheets (see sheetsByTopic())
// by their score; having no time of their own, they leave the time out.
inline constexpr double kUsualTimeSlack = 1.25;

struct TopicMastery {
    std::string topicKey;
    std::string caption;
    Mastery state = Mastery::Practised;
    int sheets = 0;
    int lastScore = 0;
    double usualSecondsPerQuestion = 0;  // the median; 0 when no sheet was timed

    bool operator==(const TopicMastery&) const = default;
};

// 练过, 熟练, 要加油.
const char* masteryCaption(Mastery state);

// Every practised topic's state, by key. With `topicKeys` (a tab's topics),
// only those; an unpractised topic has no entry.
std::unordered_map<std::string, TopicMastery> topicMastery(const std::vector<SheetRow>& sheets);
std::unordered_map<std::string, TopicMastery> topicMastery(const std::vector<SheetRow>& sheets,
                                                           const std::vector<std::string>& topicKeys);

}  // namespace tally
