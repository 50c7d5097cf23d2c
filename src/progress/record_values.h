// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The values of the progress record: what a family marks on a sheet, and the
// rows the record gives back. Plain data, free of any store.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "progress/children.h"
#include "progress/error_kind.h"

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
    // Why the typed answer was wrong, as the marking told it.
    ErrorKind kind = ErrorKind::None;

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

// The sheets mixed from many topics, the daily practice and the re-drill,
// keep every answer with its topic, so each counts for its own topic.
inline bool sharesAnswersByTopic(std::string_view topicKey) { return topicKey == "practice" || topicKey == "redrill"; }

// One topic's answers on one sheet mixed from many topics (the daily
// practice, the re-drill): how many of its questions that sheet asked and how many were
// answered right. The sheet's seconds are of all its topics together.
struct TopicShare {
    std::string when;  // the sheet's "YYYY-MM-DD HH:MM:SS"
    std::string topicKey;
    std::string topicCaption;
    int questions = 0;
    int right = 0;

    bool operator==(const TopicShare&) const = default;
};

// One answer of a marked sheet and how long it took: from the moment it
// could be answered (the page shown, or the answer before it given) to its
// last change.
struct AnswerTime {
    std::string field;  // the box it was typed in (the first, when it has several)
    std::string topicKey{};
    std::string question{};
    bool right = false;
    std::optional<long long> ms{};  // none: nothing was typed into it on the page
    // The answer's own id, a UUID made when it is marked; empty for an answer
    // of an older record. Written with the answer, not read back with it.
    std::string id{};
    // What was typed, right or wrong, as the marking read it ("" when the
    // answer is of an older record, which kept a missed answer's text only);
    // written and read as the id is.
    std::string typed{};

    bool operator==(const AnswerTime&) const = default;
};

// An answer as the record gives it back, with its sheet's time.
struct TimedAnswer {
    std::string when;
    AnswerTime answer;

    bool operator==(const TimedAnswer&) const = default;
};

// How often the child's misses were of one kind of error.
struct KindCount {
    ErrorKind kind = ErrorKind::None;
    int misses = 0;

    bool operator==(const KindCount&) const = default;
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
    // Every answer with its time, in the order the sheet marked them.
    std::vector<AnswerTime> times{};
    // The code of the printed sheet this one was done on, on paper; empty for
    // a sheet done on screen.
    std::string paperCode{};
    // The school's assignment this sheet was done for (its id on the class's
    // server); empty at home.
    std::string assignment{};

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

}  // namespace tally
