#include "app/record_rows.h"

#include <limits>
#include <set>

namespace tally {
namespace {

void addSheets(const std::vector<MarkedSheet>& sheets, PracticeRows& rows) {
    rows.sheets.reserve(sheets.size());
    for (const MarkedSheet& sheet : sheets) rows.sheets.push_back(sheetRow(sheet));
}

ReviewItem itemOf(const ReviewState& state) {
    return {state.question, state.rightInARow, state.lastAnswered, state.due};
}

}  // namespace

PracticeRows readSheetRows(ProgressRecord& record) {
    PracticeRows rows;
    addSheets(record.latestSheets(std::numeric_limits<int>::max()), rows);
    rows.readable = record.trouble() == RecordTrouble::None;
    return rows;
}

PracticeRows readRecentSheetRows(ProgressRecord& record, const std::vector<std::string>& topicKeys, int perTopic) {
    PracticeRows rows;
    if (perTopic > 0) addSheets(record.recentTopicSheets(topicKeys, perTopic), rows);
    rows.readable = record.trouble() == RecordTrouble::None;
    return rows;
}

PracticeRows readPracticeRows(ProgressRecord& record) {
    PracticeRows rows = readSheetRows(record);
    if (!rows.readable) return rows;
    std::vector<DatedAnswer> history = record.answerHistory();
    rows.readable = record.trouble() == RecordTrouble::None;
    rows.misses.reserve(history.size());
    for (DatedAnswer& answer : history) {
        if (answer.right) {
            rows.answers.push_back({std::move(answer.when), std::move(answer.question), true});
        } else {
            rows.misses.push_back({std::move(answer.when), std::move(answer.question)});
        }
    }
    return rows;
}

bool recordHasSheets(ProgressRecord& record) { return !record.latestSheets(1).empty(); }

bool catchUpReview(ProgressRecord& record) {
    // Another program may move the copy on meanwhile: then once more from there.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::optional<long long> through = record.reviewThrough();
        if (!through) return false;
        long long last = 0;
        const std::vector<DatedAnswer> events = record.answerHistorySince(*through, last);
        if (record.trouble() != RecordTrouble::None) return false;
        if (last == *through) return true;
        std::set<QuestionKey> seen;
        std::vector<QuestionKey> keys;
        for (const DatedAnswer& event : events) {
            QuestionKey key{event.question.topicKey, event.question.question};
            if (seen.insert(key).second) keys.push_back(std::move(key));
        }
        std::vector<ReviewItem> kept;
        for (const ReviewState& state : record.reviewStates(keys)) kept.push_back(itemOf(state));
        ReviewSchedule schedule(std::move(kept));
        // In the order the sheets were stored, each sheet's misses before its answers.
        for (const DatedAnswer& event : events) schedule.apply({event.when, event.question, event.right});
        std::vector<ReviewState> states;
        for (const QuestionKey& key : keys) {
            if (const ReviewItem* item = schedule.find(key)) {
                states.push_back({item->question, item->rightInARow, item->lastAnswered, item->due});
            }
        }
        if (record.keepReview(keys, states, *through, last)) return true;
    }
    return false;
}

std::optional<std::vector<ReviewItem>> dueMisses(ProgressRecord& record, Day today, const DueQuery& query,
                                                 int* count, ReviewCopy copy) {
    if (copy == ReviewCopy::CatchUp && catchUpReview(record)) {
        const long long limit =
            query.limit > static_cast<std::size_t>(std::numeric_limits<long long>::max())
                ? std::numeric_limits<long long>::max()
                : static_cast<long long>(query.limit);
        std::vector<ReviewItem> due;
        for (const ReviewState& state : record.dueReviews(today, limit, query.askableOnly)) due.push_back(itemOf(state));
        if (count) *count = record.dueReviewCount(today);
        if (record.trouble() != RecordTrouble::None) return std::nullopt;
        return due;
    }
    if (record.trouble() != RecordTrouble::None) return std::nullopt;
    const PracticeRows rows = readPracticeRows(record);
    if (!rows.readable) return std::nullopt;
    if (count) *count = static_cast<int>(dueFromHistory(rows.misses, rows.answers, today).size());
    return dueFromHistory(rows.misses, rows.answers, today, query);
}

}  // namespace tally
