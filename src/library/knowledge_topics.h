// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "topics/topic_family.h"

namespace tally {

// 基础知识 ("{600") and its knowledge topics "{6002" ... "{6012", whose items
// ("{6002001" ...) grow into the tree on the first click.
bool isKnowledgeTopic(int topic);
// The section's introduction, a topic's list, or an item's page (spoken
// where the topic has sounds).
void buildKnowledgeTopic(FamilyContext& context, const TopicClick& click, Sheet& sheet);

}  // namespace tally
