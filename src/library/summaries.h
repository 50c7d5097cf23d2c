// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "topics/topic_family.h"

namespace tally {

// 小学各年级知识点总结: the root 5222 and the half-years 522202…522213
// (小学1年级上 … 小学6年级下).
bool isSummaryTopic(int topic);
// "lessons/summary/02.txt" … "lessons/summary/13.txt"; "" for the root.
std::string summaryFilePath(int topic);

// The root's introduction, or the half-year's summary (an HTML fragment of
// its file) in the first pane; a missing file gives a short note.
void buildSummaryPage(FamilyContext& context, const TopicClick& click, Sheet& sheet);

}  // namespace tally
