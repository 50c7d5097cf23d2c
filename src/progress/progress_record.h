// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "progress/children.h"

namespace tally {

// How a missed question takes its answer, so a re-drill can ask it again and
// mark it as its own sheet did; None cannot be asked again (a card hand, a
// sequence to remember, a question known only by its place).
enum class AnswerForm { None, One, HoursMinutes, Fraction };

// A question the child got wrong, as the sheet showed it.
struct MissedQuestion {
    // The question's text with every answer field written as kAnswerBlank;
    // lines of a column sum are kept apart by "\n".
    std::string question;
    std::string typed;
    std::string correct;
    AnswerForm form = AnswerForm::None;
    // The topic the question came from (a re-drill sheet keeps its origins).
    std::string topicKey{};
    std::string topicCaption{};

    bool operator==(const MissedQuestion&) const = default;
};

// A question of a sheet mixed from many topics (the daily practice) as it was
// answered: kept one row a question, so each result counts for its own topic
// and a right answer to a question under review moves its review on.
struct AnsweredQuestion {
    std::string topicKey;
    std::string topicCaption;
    std::string question;
    bool right = false;
    bool review = false;  // a missed question asked again

    bool operator==(const AnsweredQuestion&) const = default;
};

// Where an answer field stood in a question's text.
inline constexpr const char* kAnswerBlank = "（　）";

// One marked sheet: what a family marked on it (questions, right, score,
// seconds, misses), and, filled in by the main window, where it came from.
struct MarkedSheet {
    std::string when;  // "YYYY-MM-DD HH:MM:SS", local time; stamped by the record
    std::string tabCaption;
    std::string topicCaption;
    std::string topicKey{};
    std::string drillForm;
    int questions = 0;
    int right = 0;
    int score = 0;
    int seconds = 0;
    // Whose sheet it is: a child's id, or kEarlierRecords.
    long long childId = kEarlierRecords;
    std::vector<MissedQuestion> missed;
    // Questions of the re-drill list answered right on this sheet: they leave
    // the list in the same transaction that stores the sheet.
    std::vector<MissedQuestion> mended;
    // The daily practice: every question with its result (the wrong ones are
    // in `missed` too).
    std::vector<AnsweredQuestion> answered{};

    // Counted while a sheet is marked, question by question.
    void markRight() {
        ++questions;
        ++right;
    }
    void markWrong(std::string question, std::string typed, std::string correct, AnswerForm form) {
        ++questions;
        missed.push_back({std::move(question), std::move(typed), std::move(correct), form, {}, {}});
    }
    void mark(bool isRight, std::string question, std::string typed, std::string correct,
              AnswerForm form = AnswerForm::None) {
        if (isRight) {
            markRight();
        } else {
            markWrong(std::move(question), std::move(typed), std::move(correct), form);
        }
    }

    bool operator==(const MarkedSheet&) const = default;
};

// How a missed question that cannot be asked again is named in the record:
// its place on the sheet.
inline std::string questionLabel(int number) { return "第" + std::to_string(number) + "题"; }

// How the record page is built: how many sheets its table lists, how many
// topics get a chart and how many of the topics missed most are named.
struct RecordPageLimits {
    int tableRows = 30;
    int charts = 8;
    int topMissed = 5;
};

// One topic's practice by day, as its chart draws it.
struct TopicDay {
    std::string day;  // "YYYY-MM-DD"
    int averageScore = 0;
    int averageSeconds = 0;

    bool operator==(const TopicDay&) const = default;
};

struct TopicHistory {
    std::string key;
    std::string caption;         // as the topic's latest sheet named it
    std::vector<TopicDay> days;  // oldest first

    bool operator==(const TopicHistory&) const = default;
};

struct MissedTopic {
    std::string caption;  // as the topic's latest miss named it
    int misses = 0;

    bool operator==(const MissedTopic&) const = default;
};

// What the record page shows, summed up by the record.
struct RecordSummary {
    int sheetCount = 0;
    std::string latest;                   // when the newest sheet was marked
    std::vector<MarkedSheet> latestSheets;  // newest first, without their misses
    std::vector<TopicHistory> topics;     // practised last first
    std::vector<MissedTopic> mostMissed;  // most first; ties by caption
    int openMisses = 0;                   // questions the re-drill still asks

    bool operator==(const RecordSummary&) const = default;
};

// A missed question (wrong), or a question of the daily practice answered
// right, with the time of its sheet: what the review schedule is worked out
// from.
struct DatedAnswer {
    std::string when;
    MissedQuestion question;
    bool right = false;

    bool operator==(const DatedAnswer&) const = default;
};

// The review schedule's state of one question, as the record keeps a copy of
// it for the daily practice (which works it out): its latest miss, right
// answers in a row, the day of its last counted answer and the day it is due
// (days since 1970-01-01).
struct ReviewState {
    MissedQuestion question;
    int rightInARow = 0;
    int lastAnswered = 0;
    int due = 0;

    bool operator==(const ReviewState&) const = default;
};
using QuestionKey = std::pair<std::string, std::string>;  // topicKey, question

// The second copy of the parent's password kept for one login file: a salted
// hash, empty where no password was ever set. Not readable when the record
// cannot be read: nobody can tell then whether one was set.
struct PasswordCopy {
    bool readable = true;
    std::string hash;
};

// Where a child's copy of the review schedule stands: the child's last sheet
// it has taken in, and how often it was dropped to be worked out again. A
// drop leaves its mark, so a catch-up that read the copy before the drop
// cannot write over it.
struct ReviewStanding {
    long long through = 0;
    long long drops = 0;

    bool operator==(const ReviewStanding&) const = default;
};

// Why the record could not be read or written.
// ChildGone: the sheet's child was removed (in another program); the sheet
// was stored all the same, as one of 以前的记录.
enum class RecordTrouble { None, Busy, ReadOnly, NewerVersion, DiskFull, Damaged, CannotOpen, ChildGone };

// The outside store of marked sheets. Every failure is reported as false or
// as an empty answer, with trouble() and a reason in lastError(); the store
// never throws.
class ProgressRecord {
public:
    virtual ~ProgressRecord() = default;
    // Stores one sheet, all of it or nothing; stamps `when` when it is empty.
    // True when it is stored (trouble() may still say ChildGone).
    virtual bool store(const MarkedSheet& sheet) = 0;
    // Sheets marked but not yet in the record, kept to be stored later.
    virtual int waitingSheets() const { return 0; }
    // The stored sheets, newest first.
    virtual std::vector<MarkedSheet> sheets() = 0;
    // At most `limit` stored sheets, newest first, without their misses.
    virtual std::vector<MarkedSheet> latestSheets(int limit) = 0;
    // The missed questions of all sheets, newest sheet first.
    virtual std::vector<MissedQuestion> missed() = 0;
    // The questions still to practise: missed, not yet answered right in a
    // re-drill, each once (its latest miss), newest first, at most `limit`.
    virtual std::vector<MissedQuestion> redrillList(int limit) = 0;
    // Every missed question and every question answered right on a daily
    // practice, oldest sheet first (misses of a sheet before its right
    // answers). This default reads them from sheets().
    virtual std::vector<DatedAnswer> answerHistory() {
        std::vector<DatedAnswer> history;
        const std::vector<MarkedSheet> all = sheets();
        for (auto sheet = all.rbegin(); sheet != all.rend(); ++sheet) {
            for (const MissedQuestion& miss : sheet->missed) {
                DatedAnswer answer{sheet->when, miss, false};
                if (answer.question.topicKey.empty()) {
                    answer.question.topicKey = sheet->topicKey;
                    answer.question.topicCaption = sheet->topicCaption;
                }
                history.push_back(std::move(answer));
            }
            for (const AnsweredQuestion& asked : sheet->answered) {
                if (!asked.right) continue;
                MissedQuestion question;
                question.question = asked.question;
                question.topicKey = asked.topicKey;
                question.topicCaption = asked.topicCaption;
                history.push_back({sheet->when, std::move(question), true});
            }
        }
        return history;
    }
    // The same for the sheets stored after the sheet numbered `afterSheet`
    // (0: all of them); `lastSheet` is set to the number of the newest sheet.
    // Sheets are numbered from 1 in the order they were stored.
    virtual std::vector<DatedAnswer> answerHistorySince(long long afterSheet, long long& lastSheet) {
        // A record without a copy of the schedule is only ever read whole.
        lastSheet = static_cast<long long>(latestSheets(std::numeric_limits<int>::max()).size());
        return afterSheet <= 0 ? answerHistory() : std::vector<DatedAnswer>{};
    }
    // Where the record's copy of the review schedule stands; nothing when the
    // record keeps no copy (the schedule is then worked out from the whole
    // history each time).
    virtual std::optional<ReviewStanding> reviewStanding() { return std::nullopt; }
    // The kept states of these questions (the learned and unknown ones have none).
    virtual std::vector<ReviewState> reviewStates(const std::vector<QuestionKey>& /*keys*/) { return {}; }
    // The kept questions due on `today` or before that can be asked again,
    // the longest waiting first, then by topic and question; at most `limit`.
    virtual std::vector<ReviewState> dueReviews(int /*today*/, long long /*limit*/) { return {}; }
    virtual int dueReviewCount(int /*today*/) { return 0; }
    // Replaces the kept states of `keys` by `states` and notes `through` as
    // the last sheet taken in, all at once; false (nothing changed) when the
    // copy no longer stands at `from` (another program moved it on or dropped
    // it) or its child is no longer in the record.
    virtual bool keepReview(const std::vector<QuestionKey>& /*keys*/, const std::vector<ReviewState>& /*states*/,
                            const ReviewStanding& /*from*/, long long /*through*/) {
        return false;
    }
    // Of each of these topics (of every topic but the mixed sheets when
    // `topicKeys` is empty) its newest `perTopic` sheets, without their
    // misses; newest first within a topic. This default picks them from
    // latestSheets().
    virtual std::vector<MarkedSheet> recentTopicSheets(const std::vector<std::string>& topicKeys, int perTopic) {
        std::vector<MarkedSheet> found;
        std::vector<std::pair<std::string, int>> counts;
        for (MarkedSheet& sheet : latestSheets(std::numeric_limits<int>::max())) {
            const bool wanted = topicKeys.empty() ? sheet.topicKey != "practice" && sheet.topicKey != "redrill"
                                                  : std::find(topicKeys.begin(), topicKeys.end(), sheet.topicKey) !=
                                                        topicKeys.end();
            if (!wanted) continue;
            auto count = std::find_if(counts.begin(), counts.end(), [&](auto& c) { return c.first == sheet.topicKey; });
            if (count == counts.end()) count = counts.insert(counts.end(), {sheet.topicKey, 0});
            if (count->second++ < perTopic) found.push_back(std::move(sheet));
        }
        return found;
    }
    // The record page's figures; nothing when the record cannot be read.
    virtual std::optional<RecordSummary> summary(const RecordPageLimits& limits) = 0;
    // Why the last call failed; None after one that worked.
    virtual RecordTrouble trouble() const = 0;
    virtual std::string lastError() const = 0;

    // --- children ---------------------------------------------------------
    // Whose sheets the reads above return (sheets, misses, re-drill, the
    // record page): one child's, or kEarlierRecords for the sheets of no
    // child. A sheet is stored as its own childId says.
    void showChild(long long childId) { shownChild_ = childId; }
    long long shownChild() const { return shownChild_; }

    // The children in the order they were named. A record that keeps none
    // has none.
    virtual std::vector<Child> children() { return {}; }
    // Each change returns "" when it worked, otherwise why not, in Chinese
    // for the parent. Names are trimmed; a removed child's sheets go too.
    virtual std::string addChild(const std::string& /*name*/, int /*grade*/) { return kNoChildren; }
    virtual std::string renameChild(long long /*childId*/, const std::string& /*name*/) { return kNoChildren; }
    virtual std::string setChildGrade(long long /*childId*/, int /*grade*/) { return kNoChildren; }
    virtual std::string removeChild(long long /*childId*/) { return kNoChildren; }
    // The sheets of no child, given to a child.
    virtual std::string giveEarlierSheets(long long /*childId*/) { return kNoChildren; }
    // How many sheets belong to no child.
    virtual int earlierSheetCount() { return 0; }

    // --- settings ---------------------------------------------------------
    // A child's settings, or the computer's own (kEarlierRecords); nothing
    // when none were kept.
    virtual std::optional<ChildSettings> settings(long long /*owner*/) { return std::nullopt; }
    virtual bool saveSettings(long long /*owner*/, const ChildSettings& /*settings*/) { return false; }
    // The child who logged in last; kEarlierRecords for none.
    virtual long long lastChild() { return kEarlierRecords; }
    virtual void setLastChild(long long /*childId*/) {}

    // --- the parent's password ------------------------------------------
    // The copy kept for the login file at `place` (a folder's name). A record
    // that keeps none reads as a computer where no password was set.
    virtual PasswordCopy passwordCopy(const std::string& /*place*/) { return {}; }
    // Keeps `hash` as that copy; false when it could not be written.
    virtual bool keepPasswordCopy(const std::string& /*place*/, const std::string& /*hash*/) { return false; }

protected:
    static constexpr const char* kNoChildren = "成绩记录打不开，现在不能管理孩子。";

private:
    long long shownChild_ = kEarlierRecords;
};

}  // namespace tally
