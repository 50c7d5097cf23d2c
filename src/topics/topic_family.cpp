// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/topic_family.h"
#include "topics/catalogue.h"

namespace tally {

std::optional<MarkedSheet> TopicFamily::mark(FamilyContext& /*context*/, const std::string& /*gradingKey*/) {
    return std::nullopt;
}

TopicFamily* FamilyTable::builderOf(const TopicTagParts& tag) const {
    for (TopicFamily* family : families_) {
        if (family->builds(tag)) return family;
    }
    return nullptr;
}

TopicFamily* FamilyTable::markerOf(const std::string& gradingKey) const {
    for (TopicFamily* family : families_) {
        if (family->marks(gradingKey)) return family;
    }
    return nullptr;
}

TopicFamily* FamilyTable::pageFamilyOf(const TopicNode* node) const {
    return node ? builderOf(splitTopicTag(node->tag)) : nullptr;
}

std::optional<TopicNode> FamilyTable::drillTopic(const std::string& key) const { return findFixedTopic(*this, key); }

void FamilyTable::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) const {
    if (click.tag.number == 10 && context.options.questionCount == 50) context.options.questionCount = 20;
    if (TopicFamily* family = builderOf(click.tag)) family->build(context, click, sheet);
}

}  // namespace tally
