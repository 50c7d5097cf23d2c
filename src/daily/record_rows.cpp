// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/record_rows.h"

#include <limits>
#include <set>

namespace tally {
namespace {

void addSheets(const std::vector<MarkedSheet>& sheets, PracticeRows& rows) {
    rows.sheets.reserve(sheets.size());
    for (const MarkedSheet& sheet : sheets) rows.sheets.push_back(sheetRow(sheet));
}

// A read that failed leaves the rows unreadable.
void addShares(ProgressRecord& record, long long childId, const std::vector<std::string>& topicKeys, int practices,
               PracticeRows& rows) {
    if (!rows.readable) return;
    const std::vector<TopicShare> shares = record.topicShares(childId, topicKeys, practices);
    rows.readable = record.trouble() == RecordTrouble::None;
    rows.sheets.reserve(rows.sheets.size() + shares.size());
    for (const TopicShare& share : shares) rows.sheets.push_back(shareRow(share));
}

constexpr int kCatchUpAttempts = 3;

bool readableStill(RecordTrouble trouble) {
    return trouble == RecordTrouble::None || trouble == RecordTrouble::DiskFull || trouble == RecordTrouble::Busy;
}

ReviewEvent eventOf(const DatedAnswer& answer) { return {answer.when, answer.question, answer.right}; }

ReviewItem itemOf(const ReviewState& state) {
    return {state.question, state.rightInARow, state.lastAnswered, state.due};
}

// One question's state after its answers, in the order stored; an answer
// whose date cannot be read is skipped, as the schedule skips it.
std::optional<ReviewState> stateAfter(const std::vector<DatedAnswer>& answers) {
    QuestionReview review;
    for (const DatedAnswer& answer : answers) {
        if (const std::optional<Day> day = parseDay(answer.when)) review.answered(*day, answer.question, answer.right);
    }
    std::optional<ReviewItem> item = review.item();
    if (!item) return std::nullopt;
    return ReviewState{std::move(item->question), item->rightInARow, item->lastAnswered, item->due};
}

}  // namespace

PracticeRows readSheetRows(ProgressRecord& record, long long childId) {
    PracticeRows rows;
    addSheets(record.latestSheets(childId, std::numeric_limits<int>::max()), rows);
    rows.readable = record.trouble() == RecordTrouble::None;
    return rows;
}

PracticeRows readReportRows(ProgressRecord& record, long long childId) {
    PracticeRows rows = readSheetRows(record, childId);
    addShares(record, childId, {}, std::numeric_limits<int>::max(), rows);
    return rows;
}

PracticeRows readRecentSheetRows(ProgressRecord& record, long long childId, const std::vector<std::string>& topicKeys,
                                 int perTopic) {
    PracticeRows rows;
    if (perTopic <= 0) return rows;
    addSheets(record.recentTopicSheets(childId, topicKeys, perTopic), rows);
    rows.readable = record.trouble() == RecordTrouble::None;
    addShares(record, childId, topicKeys, kSharedPractices, rows);
    return rows;
}

bool recordHasSheets(ProgressRecord& record, long long childId) { return !record.latestSheets(childId, 1).empty(); }

std::optional<ReviewStanding> catchUpReview(ProgressRecord& record, long long childId,
                                            const std::function<void()>& afterCatchUpRead) {
    // Another program may move the copy on or drop it meanwhile: then the
    // catch-up starts again from where the copy stands.
    for (int attempt = 0; attempt < kCatchUpAttempts; ++attempt) {
        const std::optional<ReviewStanding> from = record.reviewStanding(childId);
        if (!from) return std::nullopt;
        long long last = 0;
        // A copy from nothing: each question's state depends on its own
        // answers alone, so the history is taken one question at a time.
        if (from->through == 0) {
            if (record.remakeReview(childId, *from, stateAfter, last)) return ReviewStanding{last, from->drops};
            if (record.trouble() != RecordTrouble::None) return std::nullopt;
            continue;
        }
        const std::vector<DatedAnswer> events = record.answerHistorySince(childId, from->through, last);
        if (record.trouble() != RecordTrouble::None) return std::nullopt;
        if (last == from->through) return from;
        std::set<QuestionKey> seen;
        std::vector<QuestionKey> keys;
        for (const DatedAnswer& event : events) {
            QuestionKey key{event.question.topicKey, event.question.question};
            if (seen.insert(key).second) keys.push_back(std::move(key));
        }
        std::vector<ReviewItem> kept;
        for (const ReviewState& state : record.reviewStates(childId, keys)) kept.push_back(itemOf(state));
        ReviewSchedule schedule(std::move(kept));
        // In the order the sheets were stored, each sheet's misses before its answers.
        for (const DatedAnswer& event : events) schedule.apply(eventOf(event));
        std::vector<ReviewState> states;
        for (const QuestionKey& key : keys) {
            if (const ReviewItem* item = schedule.find(key)) {
                states.push_back({item->question, item->rightInARow, item->lastAnswered, item->due});
            }
        }
        if (afterCatchUpRead) afterCatchUpRead();
        if (record.keepReview(childId, keys, states, *from, last)) return ReviewStanding{last, from->drops};
        if (record.trouble() != RecordTrouble::None) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::vector<ReviewItem>> dueMisses(ProgressRecord& record, long long childId, Day today,
                                                 const DueQuery& query, int* count, ReviewCopy copy) {
    // A copy found damaged while it is read is worked out again: then the
    // catch-up once more. A print run leaves the copy alone and reads the history.
    for (int attempt = 0; copy == ReviewCopy::CatchUp && attempt < 2; ++attempt) {
        const std::optional<ReviewStanding> standing = catchUpReview(record, childId);
        if (!standing) break;
        const long long limit =
            query.limit > static_cast<std::size_t>(std::numeric_limits<long long>::max())
                ? std::numeric_limits<long long>::max()
                : static_cast<long long>(query.limit);
        std::vector<ReviewItem> due;
        for (const ReviewState& state : record.dueReviews(childId, today, limit)) due.push_back(itemOf(state));
        if (count) *count = record.dueReviewCount(childId, today);
        if (record.trouble() != RecordTrouble::None) return std::nullopt;
        if (record.reviewStanding(childId) == standing) return due;
    }
    // A record that can be read but not written (a full disk, another
    // program holding it) still gives today's practice, from the history.
    if (!readableStill(record.trouble())) return std::nullopt;
    // The whole history, in the order the sheets were stored, as the copy takes it.
    std::vector<ReviewEvent> history;
    for (const DatedAnswer& answer : record.answerHistory(childId)) history.push_back(eventOf(answer));
    if (record.trouble() != RecordTrouble::None) return std::nullopt;
    if (count) *count = static_cast<int>(dueFromHistory(history, today).size());
    return dueFromHistory(history, today, query);
}

}  // namespace tally
