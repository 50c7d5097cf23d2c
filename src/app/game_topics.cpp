// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_topics.h"

#include "topics/topic_family.h"

namespace tally {

bool isGameTopic(const FamilyTable& families, const std::string& tag) {
    const TopicTagParts parts = splitTopicTag(tag);
    const TopicFamily* family = families.builderOf(parts);
    return family && family->takesKeyboard(parts);
}

}  // namespace tally
