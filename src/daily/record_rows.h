// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "practice/practice_rows.h"
#include "practice/review_schedule.h"
#include "progress/progress_record.h"

namespace tally {

// The rows of the record the daily practice, the calendar, the mastery
// marks and the weekly report are worked out from. Every read of the record
// for them goes through here, so the rows of one child can be chosen in one
// place.
struct PracticeRows {
    std::vector<SheetRow> sheets;  // newest first; the shares after the sheets where asked for
    bool readable = true;          // false when the record could not be read
};

// How many of each topic's newest sheets the weak topics and the mastery
// marks are worked out from (the weak topics weigh the last five; a topic's
// usual time is the median of its recent sheets).
inline constexpr int kWeakTopicSheets = 5;
inline constexpr int kMasterySheets = 30;
// How many of the newest daily practices the weak topics and the marks read
// each topic's answers from: about a year of them.
inline constexpr int kSharedPractices = 400;

// Every sheet (the calendar).
PracticeRows readSheetRows(ProgressRecord& record, long long childId);
// Every sheet and every topic's share of each daily practice (the weekly report).
PracticeRows readReportRows(ProgressRecord& record, long long childId);
// The newest `perTopic` sheets of each of these topics (of every drilled
// topic when `topicKeys` is empty), and their shares of the newest
// kSharedPractices daily practices.
PracticeRows readRecentSheetRows(ProgressRecord& record, long long childId, const std::vector<std::string>& topicKeys,
                                 int perTopic);

// Whether the record holds any sheet at all.
bool recordHasSheets(ProgressRecord& record, long long childId);

// Whether a read may bring the record's copy of the review schedule up to
// date: a print run writes nothing but its file.
enum class ReviewCopy { CatchUp, LeaveAsItIs };

// The misses due for review on `today`, the longest waiting first, and in
// `count` how many are due in all. From the record's kept copy of the
// schedule, first brought up to date with the sheets stored since; from the
// whole history when the record keeps none, and with LeaveAsItIs (where even
// looking at the copy would make its tables). Nothing when the record cannot
// be read.
std::optional<std::vector<ReviewItem>> dueMisses(ProgressRecord& record, long long childId, Day today,
                                                 const DueQuery& query = {}, int* count = nullptr, ReviewCopy copy = ReviewCopy::CatchUp);

// Brings the record's copy of the review schedule up to date with the
// sheets stored since it was last brought up to date, and says where it
// left the copy; nothing when the record keeps none or could not do it.
// `afterCatchUpRead` runs between reading the sheets and keeping the copy (a
// test makes another program act there); a copy made afresh is read and kept
// at once, without it.
std::optional<ReviewStanding> catchUpReview(ProgressRecord& record, long long childId,
                                            const std::function<void()>& afterCatchUpRead = {});

}  // namespace tally
