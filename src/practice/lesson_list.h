// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "practice/lesson_week.h"
#include "base/ports.h"

namespace tally {

// A grade's 同步教学 lessons read from the data directory as the tree reads
// them: line i of "<grade>.txt" (GBK) is the lesson q5333GG<i+1 as three
// digits>, empty lines keep their number; each lesson's drills are the keys
// of the "练习=" line at the top of "lessons/<grade>/<NNN>.txt". A missing
// list gives no lessons, a missing lesson file no drill.
std::vector<LessonEntry> readLessonList(const DataDirectory& data, int grade);

}  // namespace tally
