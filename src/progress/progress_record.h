// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "progress/children.h"
#include "progress/classroom_values.h"
#include "progress/fluency_norm.h"
#include "progress/kept_practice.h"
#include "progress/printed_sheet.h"
#include "progress/record_values.h"
#include "progress/saved_mix.h"

namespace tally {

// The outside store of marked sheets. Every failure is reported as false or
// as an empty answer, with trouble() and a reason in lastError(); the store
// never throws. Every read names the child whose sheets it reads: a child's
// id, or kEarlierRecords for the sheets of no child (以前的记录); a sheet is
// stored as its own childId says.
class ProgressRecord {
public:
    virtual ~ProgressRecord() = default;
    // Stores one sheet, all of it or nothing; stamps `when` when it is empty.
    // True when it is stored (trouble() may still say ChildGone).
    virtual bool store(const MarkedSheet& sheet) = 0;
    // Sheets marked but not yet in the record, kept to be stored later.
    virtual int waitingSheets() const { return 0; }
    // The stored sheets, newest first.
    virtual std::vector<MarkedSheet> sheets(long long childId) = 0;
    // At most `limit` stored sheets, newest first, without their misses.
    virtual std::vector<MarkedSheet> latestSheets(long long childId, int limit) = 0;
    // The missed questions of all sheets, newest sheet first.
    virtual std::vector<MissedQuestion> missed(long long childId) = 0;
    // The questions still to practise: missed, not yet answered right in a
    // re-drill, each once (its latest miss), newest first, at most `limit`.
    virtual std::vector<MissedQuestion> redrillList(long long childId, int limit) = 0;
    // Every missed question and every question answered right on a daily
    // practice, oldest sheet first (misses of a sheet before its right
    // answers). This default reads them from sheets().
    virtual std::vector<DatedAnswer> answerHistory(long long childId) {
        std::vector<DatedAnswer> history;
        const std::vector<MarkedSheet> all = sheets(childId);
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
    virtual std::vector<DatedAnswer> answerHistorySince(long long childId, long long afterSheet, long long& lastSheet) {
        // A record without a copy of the schedule is only ever read whole.
        lastSheet = static_cast<long long>(latestSheets(childId, std::numeric_limits<int>::max()).size());
        return afterSheet <= 0 ? answerHistory(childId) : std::vector<DatedAnswer>{};
    }
    // Where the record's copy of the review schedule stands; nothing when the
    // record keeps no copy (the schedule is then worked out from the whole
    // history each time).
    virtual std::optional<ReviewStanding> reviewStanding(long long /*childId*/) { return std::nullopt; }
    // The kept states of these questions (the learned and unknown ones have none).
    virtual std::vector<ReviewState> reviewStates(long long /*childId*/, const std::vector<QuestionKey>& /*keys*/) { return {}; }
    // The kept questions due on `today` or before that can be asked again,
    // the longest waiting first, then by topic and question; at most `limit`.
    virtual std::vector<ReviewState> dueReviews(long long /*childId*/, int /*today*/, long long /*limit*/) { return {}; }
    virtual int dueReviewCount(long long /*childId*/, int /*today*/) { return 0; }
    // Replaces the kept states of `keys` by `states` and notes `through` as
    // the last sheet taken in, all at once; false (nothing changed) when the
    // copy no longer stands at `from` (another program moved it on or dropped
    // it) or its child is no longer in the record.
    virtual bool keepReview(long long /*childId*/, const std::vector<QuestionKey>& /*keys*/, const std::vector<ReviewState>& /*states*/,
                            const ReviewStanding& /*from*/, long long /*through*/) {
        return false;
    }
    // Makes the copy afresh from the child's whole history, in one go: each
    // question's answers, in the order their sheets were stored, go to
    // `stateOf` one question at a time, and the state it gives (none: learned
    // or never to be asked) is kept; `through` is set to the child's newest
    // sheet. False (nothing changed) as keepReview() says.
    using QuestionState = std::function<std::optional<ReviewState>(const std::vector<DatedAnswer>& answers)>;
    virtual bool remakeReview(long long /*childId*/, const ReviewStanding& /*from*/, const QuestionState& /*stateOf*/,
                              long long& /*through*/) {
        return false;
    }
    // Of each of these topics (of every topic but the mixed sheets when
    // `topicKeys` is empty) its newest `perTopic` sheets, without their
    // misses; newest first within a topic. This default picks them from
    // latestSheets().
    virtual std::vector<MarkedSheet> recentTopicSheets(long long childId, const std::vector<std::string>& topicKeys, int perTopic) {
        std::vector<MarkedSheet> found;
        std::vector<std::pair<std::string, int>> counts;
        for (MarkedSheet& sheet : latestSheets(childId, std::numeric_limits<int>::max())) {
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
    // Each topic's answers on the child's newest `practices` sheets mixed
    // from many topics, one share a sheet and topic, newest sheet first (its topics by
    // key); only of `topicKeys` unless that is empty. This default works them
    // out from sheets().
    virtual std::vector<TopicShare> topicShares(long long childId, const std::vector<std::string>& topicKeys,
                                                int practices) {
        std::vector<TopicShare> found;
        int taken = 0;
        for (const MarkedSheet& sheet : sheets(childId)) {
            if (!sharesAnswersByTopic(sheet.topicKey)) continue;
            if (taken++ >= practices) break;
            std::vector<TopicShare> ofSheet;
            for (const AnsweredQuestion& asked : sheet.answered) {
                if (!topicKeys.empty() && std::find(topicKeys.begin(), topicKeys.end(), asked.topicKey) == topicKeys.end()) {
                    continue;
                }
                auto share = std::find_if(ofSheet.begin(), ofSheet.end(),
                                          [&](const TopicShare& s) { return s.topicKey == asked.topicKey; });
                if (share == ofSheet.end()) {
                    share = ofSheet.insert(ofSheet.end(), {sheet.when, asked.topicKey, asked.topicCaption, 0, 0});
                }
                ++share->questions;
                share->right += asked.right ? 1 : 0;
            }
            std::sort(ofSheet.begin(), ofSheet.end(),
                      [](const TopicShare& a, const TopicShare& b) { return a.topicKey < b.topicKey; });
            found.insert(found.end(), ofSheet.begin(), ofSheet.end());
        }
        return found;
    }
    // Each question of the topic with its newest `perQuestion` answers and
    // their times, newest first, the questions in the order of their text;
    // a record that keeps no times has none.
    virtual std::vector<TimedAnswer> lastAnswers(long long /*childId*/, const std::string& /*topicKey*/,
                                                 int /*perQuestion*/) {
        return {};
    }
    // Of each of these question texts, whatever topic asked it, its newest
    // `perQuestion` answers marked before `before` ("YYYY-MM-DD", "" for no
    // bound) with their times, newest first, the questions in the order of
    // their text; a record that keeps no times has none.
    virtual std::vector<TimedAnswer> lastAnswersOf(long long /*childId*/, const std::vector<std::string>& /*questions*/,
                                                   int /*perQuestion*/, const std::string& /*before*/ = "") {
        return {};
    }
    // Every answer with its time of the child's sheets marked on `fromDay`
    // ("YYYY-MM-DD") or later, oldest sheet first, each in its place on it.
    virtual std::vector<TimedAnswer> answersSince(long long /*childId*/, const std::string& /*fromDay*/) { return {}; }
    // Every answer of these topics with its time, question by question (the
    // topics in the order named, each topic's questions in the order of
    // their text), each question's answers oldest first. This default reads
    // them from lastAnswers().
    virtual std::vector<TimedAnswer> topicAnswers(long long childId, const std::vector<std::string>& topicKeys) {
        std::vector<TimedAnswer> found;
        for (const std::string& topicKey : topicKeys) {
            std::vector<TimedAnswer> ofTopic = lastAnswers(childId, topicKey, std::numeric_limits<int>::max());
            // Newest first within each question: turned round question by question.
            for (auto from = ofTopic.begin(); from != ofTopic.end();) {
                const auto to = std::find_if(from, ofTopic.end(), [&](const TimedAnswer& a) {
                    return a.answer.question != from->answer.question;
                });
                std::reverse(from, to);
                from = to;
            }
            found.insert(found.end(), ofTopic.begin(), ofTopic.end());
        }
        return found;
    }
    // The kinds of error of the misses of sheets marked on `fromDay`
    // ("YYYY-MM-DD") or later, most first, ties in the kinds' order; the
    // misses of no kind are not counted. This default counts them in sheets().
    virtual std::vector<KindCount> errorKindsSince(long long childId, const std::string& fromDay) {
        std::vector<KindCount> counts;
        for (const MarkedSheet& sheet : sheets(childId)) {
            if (sheet.when.substr(0, 10) < fromDay) continue;
            for (const MissedQuestion& miss : sheet.missed) {
                if (miss.kind == ErrorKind::None) continue;
                auto count = std::find_if(counts.begin(), counts.end(), [&](const KindCount& c) { return c.kind == miss.kind; });
                if (count == counts.end()) count = counts.insert(counts.end(), {miss.kind, 0});
                ++count->misses;
            }
        }
        std::sort(counts.begin(), counts.end(), [](const KindCount& a, const KindCount& b) {
            return a.misses != b.misses ? a.misses > b.misses : a.kind < b.kind;
        });
        return counts;
    }
    // The record page's figures; nothing when the record cannot be read.
    virtual std::optional<RecordSummary> summary(long long childId, const RecordPageLimits& limits) = 0;
    // Why the last call failed; None after one that worked.
    virtual RecordTrouble trouble() const = 0;
    virtual std::string lastError() const = 0;

    // --- children ---------------------------------------------------------
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

    // --- the 口算卷 mixes a parent saved ----------------------------------
    // A child's mixes, or the computer's own (kEarlierRecords), in the order
    // first saved; empty when none were saved or the record cannot be read.
    virtual std::vector<SkillMix> savedMixes(long long /*owner*/) { return {}; }
    // Keeps the mix under its name (trimmed), in the place of one of that
    // name. "" when it is kept, otherwise why not, in Chinese for the parent.
    virtual std::string saveMix(long long /*owner*/, const SkillMix& /*mix*/) { return kNoMixes; }
    virtual std::string removeMix(long long /*owner*/, const std::string& /*name*/) { return kNoMixes; }
    static constexpr const char* kNoMixes = "成绩记录打不开，现在不能管理口算卷。";

    // --- a daily practice left half done ----------------------------------
    // The one kept for the child (or the computer), whatever its day; nothing
    // when none is kept or the record cannot be read.
    virtual std::optional<KeptPractice> keptPractice(long long /*owner*/) { return std::nullopt; }
    // Keeps it in place of the one before; one without questions keeps none.
    // False when it could not be written.
    virtual bool keepPractice(long long /*owner*/, const KeptPractice& /*kept*/) { return false; }

    // --- the parent's 口算达标 norms ---------------------------------------
    // The rows a parent set, for the whole record, in place of the program's
    // own of the same grade, term and skill; empty when none or unreadable.
    virtual std::vector<FluencyNorm> fluencyNorms() { return {}; }
    // Keeps the row in place of the one of its grade, term and skill. "" when
    // it is kept, otherwise why not, in Chinese for the parent.
    virtual std::string saveFluencyNorm(const FluencyNorm& /*norm*/) { return kNoNorms; }
    static constexpr const char* kNoNorms = "成绩记录打不开，现在不能修改达标标准。";

    // --- the sheets printed on paper ------------------------------------
    // Keeps a printed sheet under its code; one already kept under that code
    // stays as it is. False when it could not be written.
    virtual bool keepPrintedSheet(const PrintedSheet& /*sheet*/) { return false; }
    // The sheet printed under `code`; nothing when none is or it cannot be read.
    virtual std::optional<PrintedSheet> printedSheet(const std::string& /*code*/) { return std::nullopt; }
    // The child's printed sheets, newest first, at most `limit`.
    virtual std::vector<PrintedSheet> printedSheets(long long /*childId*/, int /*limit*/) { return {}; }
    // When the child's sheet done on the paper of `code` was marked
    // ("YYYY-MM-DD HH:MM:SS"); "" when none was, nothing when it cannot be read.
    virtual std::optional<std::string> paperMarkedOn(long long /*childId*/, const std::string& /*code*/) {
        return std::string();
    }
    // Stores a sheet done on paper in place of the child's earlier sheets of
    // its code, all at once or nothing. False when it could not be written.
    virtual bool replacePaperSheet(const MarkedSheet& /*sheet*/) { return false; }

    // --- the outbox of a school's lab computer ----------------------------
    // The answers of the child's sheets done for an assignment that the
    // school's server has not yet taken, oldest first, at most `limit`.
    virtual std::vector<ClassAnswer> unsentAnswers(long long /*childId*/, int /*limit*/) { return {}; }
    virtual int unsentCount(long long /*childId*/) { return 0; }
    // Notes the answers of these ids as taken by the server; false when it
    // could not be written (they are sent again, and the server keeps one).
    virtual bool markSent(const std::vector<std::string>& /*answerIds*/) { return false; }
    // Sets aside an answer the server refused by itself, with the server's
    // words: kept, but no longer waiting, so it holds up none after it.
    // False when it could not be written (it is sent again next time).
    virtual bool setAsideRefused(const std::string& /*answerId*/, const std::string& /*reason*/) { return false; }
    // How many of the child's answers were set aside so.
    virtual int refusedCount(long long /*childId*/) { return 0; }
    // The answers of the child's sheets done for an assignment, sent or not,
    // oldest first: the pupil's own marks of 下发的练习.
    virtual std::vector<ClassAnswer> assignmentAnswers(long long /*childId*/) { return {}; }

protected:
    static constexpr const char* kNoChildren = "成绩记录打不开，现在不能管理孩子。";
};

}  // namespace tally
