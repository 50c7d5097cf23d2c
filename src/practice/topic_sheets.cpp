// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/topic_sheets.h"

#include <algorithm>
#include <optional>
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

// The shares, oldest first, gathered into the topic's rows, newest first.
void gatherShares(const std::vector<TimedSheet>& shares, TopicSheets& topic, std::vector<TimedSheet>& rows) {
    std::optional<SheetRow> open;
    long long openMoment = 0;
    const auto close = [&] {
        open->score = shareScore(open->right, open->questions);
        rows.emplace_back(openMoment, &topic.gathered.emplace_back(std::move(*open)));
        open.reset();
    };
    for (auto share = shares.rbegin(); share != shares.rend(); ++share) {
        if (!open) {
            open = *share->second;
            openMoment = share->first;
        } else {
            open->questions += share->second->questions;
            open->right += share->second->right;
        }
        if (open->questions >= kShareSheetQuestions) close();
    }
    if (!open) return;
    if (topic.gathered.empty()) return close();
    SheetRow& oldest = topic.gathered.back();
    oldest.questions += open->questions;
    oldest.right += open->right;
    oldest.score = shareScore(oldest.right, oldest.questions);
}

}  // namespace

std::vector<TopicSheets> sheetsByTopic(const std::vector<SheetRow>& sheets,
                                       const std::unordered_set<std::string>* only) {
    std::vector<std::string_view> keys;
    std::vector<std::vector<TimedSheet>> timed, shares;
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
            shares.emplace_back();
        }
        (sheet.share ? shares : timed)[found->second].emplace_back(*moment, &sheet);
    }
    std::vector<TopicSheets> topics(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        TopicSheets& topic = topics[i];
        if (!shares[i].empty()) {
            putInOrder(shares[i]);
            gatherShares(shares[i], topic, timed[i]);
        }
        putInOrder(timed[i]);
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

double medianSeconds(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace tally
