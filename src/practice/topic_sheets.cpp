#include "practice/topic_sheets.h"

#include <algorithm>

namespace tally {

std::vector<TopicSheets> sheetsByTopic(const std::vector<SheetRow>& sheets,
                                       const std::unordered_set<std::string>* only) {
    std::vector<TopicSheets> topics;
    std::unordered_map<std::string, std::size_t> indexOfKey;
    for (const SheetRow& sheet : sheets) {
        if (sheet.questions <= 0 || isMixedSheet(sheet.topicKey)) continue;
        if (only && !only->count(sheet.topicKey)) continue;
        if (!parseDay(sheet.when)) continue;
        const auto [found, added] = indexOfKey.try_emplace(sheet.topicKey, topics.size());
        if (added) topics.push_back({sheet.topicKey, "", {}});
        topics[found->second].sheets.push_back(&sheet);
    }
    for (TopicSheets& topic : topics) {
        std::stable_sort(topic.sheets.begin(), topic.sheets.end(),
                         [](const SheetRow* a, const SheetRow* b) { return a->when < b->when; });
        topic.caption = topic.sheets.back()->topicCaption;
    }
    return topics;
}

double secondsPerQuestion(const SheetRow& sheet) {
    return sheet.questions > 0 ? double(sheet.seconds) / sheet.questions : 0.0;
}

}  // namespace tally
