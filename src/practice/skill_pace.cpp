// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/skill_pace.h"

#include <algorithm>
#include <map>

namespace tally {
namespace {

std::map<std::string, std::string> newestCaptions(const std::vector<SheetRow>& sheets) {
    std::map<std::string, std::pair<std::string, std::string>> newest;  // key: when, caption
    for (const SheetRow& sheet : sheets) {
        auto& [when, caption] = newest[sheet.topicKey];
        if (sheet.when >= when) when = sheet.when, caption = sheet.topicCaption;
    }
    std::map<std::string, std::string> captions;
    for (const auto& [key, named] : newest) captions[key] = named.second;
    return captions;
}

}  // namespace

double WeekPace::perMinute() const { return ms > 0 ? answers * 60000.0 / static_cast<double>(ms) : 0.0; }

std::vector<SkillPace> skillPaces(const std::vector<TimedAnswer>& answers, const std::vector<SheetRow>& sheets,
                                  Day today) {
    const Day from = today - 6;
    std::map<std::string, SkillPace> byKey;
    for (const TimedAnswer& timed : answers) {
        const auto day = parseDay(timed.when);
        if (!day || *day > today || *day < from - 7 || !timed.answer.ms) continue;
        SkillPace& pace = byKey[timed.answer.topicKey];
        WeekPace& week = *day >= from ? pace.thisWeek : pace.lastWeek;
        ++week.answers;
        week.ms += *timed.answer.ms;
    }
    const auto captions = newestCaptions(sheets);
    std::vector<SkillPace> paces;
    for (auto& [key, pace] : byKey) {
        pace.topicKey = key;
        const auto caption = captions.find(key);
        pace.caption = caption != captions.end() ? caption->second : key;
        paces.push_back(pace);
    }
    std::stable_sort(paces.begin(), paces.end(), [](const SkillPace& a, const SkillPace& b) {
        if (a.thisWeek.answers != b.thisWeek.answers) return a.thisWeek.answers > b.thisWeek.answers;
        return a.lastWeek.answers > b.lastWeek.answers;
    });
    return paces;
}

}  // namespace tally
