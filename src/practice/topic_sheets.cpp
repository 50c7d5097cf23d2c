// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/topic_sheets.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace tally {
namespace {

using TimedSheet = std::pair<long long, const SheetRow*>;

// Oldest first, sheets of the same time as given. The record lists newest
// first: that order is turned round without a sort.
void putInOrder(std::vector<TimedSheet>& sheets) {
    const auto earlier = [](const TimedSheet& a, const TimedSheet& b) { return a.first < b.first; };
    if (std::is_sorted(sheets.begin(), sheets.end(), earlier)) return;
    const auto later = [](const TimedSheet& a, const TimedSheet& b) { return a.first > b.first; };
    if (std::is_sorted(sheets.begin(), sheets.end(), later)) {
        std::reverse(sheets.begin(), sheets.end());
        for (auto run = sheets.begin(); run != sheets.end();) {
            const auto end =
                std::find_if(run, sheets.end(), [&](const TimedSheet& sheet) { return sheet.first != run->first; });
            std::reverse(run, end);
            run = end;
        }
        return;
    }
    std::stable_sort(sheets.begin(), sheets.end(), earlier);
}

}  // namespace

std::vector<TopicSheets> sheetsByTopic(const std::vector<SheetRow>& sheets,
                                       const std::unordered_set<std::string>* only) {
    std::vector<std::string_view> keys;
    std::vector<std::vector<TimedSheet>> timed;
    std::unordered_map<std::string_view, std::size_t> indexOfKey;
    for (const SheetRow& sheet : sheets) {
        if (sheet.questions <= 0 || isMixedSheet(sheet.topicKey)) continue;
        if (only && !only->count(sheet.topicKey)) continue;
        const auto moment = momentOf(sheet.when);
        if (!moment) continue;
        const auto [found, added] = indexOfKey.try_emplace(sheet.topicKey, keys.size());
        if (added) {
            keys.push_back(sheet.topicKey);
            timed.emplace_back();
        }
        timed[found->second].emplace_back(*moment, &sheet);
    }
    std::vector<TopicSheets> topics(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        putInOrder(timed[i]);
        TopicSheets& topic = topics[i];
        topic.topicKey = std::string(keys[i]);
        topic.sheets.reserve(timed[i].size());
        for (const TimedSheet& sheet : timed[i]) topic.sheets.push_back(sheet.second);
        topic.caption = topic.sheets.back()->topicCaption;
    }
    return topics;
}

double secondsPerQuestion(const SheetRow& sheet) {
    return sheet.questions > 0 ? double(sheet.seconds) / sheet.questions : 0.0;
}

}  // namespace tally
