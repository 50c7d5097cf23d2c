// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_topics.h"

#include "app/family_table.h"

namespace tally {

bool isGameTopic(const Families& families, const std::string& tag) {
    const TopicTagParts parts = splitTopicTag(tag);
    const bool gamePage = families.gamePages.builds(parts) && !gamePagePath(parts.number).empty();
    return gamePage || families.twentyFour.builds(parts) || families.memoryGame.builds(parts) ||
           families.levelGame.builds(parts);
}

}  // namespace tally
