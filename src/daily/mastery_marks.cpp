// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/mastery_marks.h"

#include "daily/record_rows.h"

namespace tally {

std::vector<NodeMastery> treeMastery(const TreeModel& tree, ProgressRecord& record, long long childId) {
    std::vector<std::string> keys;
    keys.reserve(tree.nodes().size());
    for (const TopicNode& node : tree.nodes()) keys.push_back(node.key);
    const PracticeRows rows = readRecentSheetRows(record, childId, keys, kMasterySheets);
    const auto states = topicMastery(rows.sheets, keys);
    std::vector<NodeMastery> found;
    for (const TopicNode& node : tree.nodes()) {
        const auto state = states.find(node.key);
        if (state != states.end()) found.push_back({node.key, node.caption, state->second});
    }
    return found;
}

NodeBadge masteryBadge(Mastery state) {
    switch (state) {
        case Mastery::Fluent: return {masteryCaption(state), BadgeTone::Good};
        case Mastery::NeedsWork: return {masteryCaption(state), BadgeTone::Effort};
        case Mastery::Practised: break;
    }
    return {masteryCaption(state), BadgeTone::Plain};
}

void setMasteryBadges(TreeModel& tree, ProgressRecord& record, long long childId) {
    for (const NodeMastery& practised : treeMastery(tree, record, childId)) {
        tree.setBadge(practised.key, masteryBadge(practised.mastery.state));
    }
}

}  // namespace tally
