// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/mastery.h"

#include <algorithm>
#include <unordered_set>

#include "practice/topic_sheets.h"

namespace tally {
namespace {

// The time is of the timed sheets among the last three (the daily
// practice's shares have none of their own).
bool fluent(const TopicSheets& topic, double usual) {
    if (topic.sheets.size() < static_cast<std::size_t>(kFluentSheets)) return false;
    long long seconds = 0, questions = 0;
    for (std::size_t i = topic.sheets.size() - kFluentSheets; i < topic.sheets.size(); ++i) {
        if (topic.sheets[i]->score < kFluentScore) return false;
        if (topic.sheets[i]->share) continue;
        seconds += topic.sheets[i]->seconds;
        questions += topic.sheets[i]->questions;
    }
    return double(seconds) <= kUsualTimeSlack * usual * double(questions);
}

TopicMastery masteryOf(const TopicSheets& topic) {
    TopicMastery mastery;
    mastery.topicKey = topic.topicKey;
    mastery.caption = topic.caption;
    mastery.sheets = static_cast<int>(topic.sheets.size());
    mastery.lastScore = topic.sheets.back()->score;
    std::vector<double> paces;
    paces.reserve(topic.sheets.size());
    for (const SheetRow* sheet : topic.sheets) {
        if (!sheet->share) paces.push_back(secondsPerQuestion(*sheet));
    }
    mastery.usualSecondsPerQuestion = paces.empty() ? 0.0 : medianSeconds(std::move(paces));
    if (mastery.lastScore < kNeedsWorkBelow) {
        mastery.state = Mastery::NeedsWork;
    } else if (fluent(topic, mastery.usualSecondsPerQuestion)) {
        mastery.state = Mastery::Fluent;
    }
    return mastery;
}

std::unordered_map<std::string, TopicMastery> masteryOfTopics(const std::vector<TopicSheets>& topics) {
    std::unordered_map<std::string, TopicMastery> states;
    states.reserve(topics.size());
    for (const TopicSheets& topic : topics) states.emplace(topic.topicKey, masteryOf(topic));
    return states;
}

}  // namespace

const char* masteryCaption(Mastery state) {
    switch (state) {
        case Mastery::Fluent: return "熟练";
        case Mastery::NeedsWork: return "要加油";
        case Mastery::Practised: break;
    }
    return "练过";
}

std::unordered_map<std::string, TopicMastery> topicMastery(const std::vector<SheetRow>& sheets) {
    return masteryOfTopics(sheetsByTopic(sheets));
}

std::unordered_map<std::string, TopicMastery> topicMastery(const std::vector<SheetRow>& sheets,
                                                           const std::vector<std::string>& topicKeys) {
    const std::unordered_set<std::string> only(topicKeys.begin(), topicKeys.end());
    return masteryOfTopics(sheetsByTopic(sheets, &only));
}

}  // namespace tally
