// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "daily/record_rows.h"
#include "practice/lesson_week.h"
#include "practice/practice_plan.h"
#include "practice/practice_sources.h"
#include "base/ports.h"
#include "base/text_shelf.h"

namespace tally {

// The key the toolbar's 今日练习 button goes by, the caption the record
// gives the sheet and the name of the short page's start button.
inline constexpr const char* kTodayToolbarKey = "w16";
inline constexpr const char* kPracticeCaption = "今日练习";
inline constexpr const char* kTodayStartButton = "todaystart";
// The button for one more set once the day's practice is done.
inline constexpr const char* kTodayMoreButton = "todaymore";

// One question of today's practice: asked and marked as the re-drill asks
// it, and counted for its own topic.
struct TodayQuestion {
    PlanSource source = PlanSource::Weak;
    MissedQuestion question;  // topicKey and topicCaption filled in; typed empty
};

struct TodayPractice {
    Day today = 0;
    WeekLesson lesson;
    std::string lessonNote;  // when the week's lesson has nothing to practise
    int dueCount = 0;  // every miss due today, also those the sheet has no room for
    int slowCount = 0;  // the slow facts on the sheet
    int waiting = 0;   // every miss waiting for review, due today or later
    std::vector<TodayQuestion> questions;

    std::vector<MissedQuestion> asked() const;
};

// How many of the questions the plan took from `source`.
int countFrom(const std::vector<TodayQuestion>& questions, PlanSource source);

struct TodayRequest {
    Day today = 0;
    int grade = 1;
    std::uint64_t seed = 0;
    int count = kPracticeQuestions;
};

// Draws new questions of a topic with the topic's own generator: its sheet is
// built on a page of its own and handed in empty, and what its family marks
// as missed (the question, its answer, how it takes it) is asked again.
// Only topics marked field by field whose questions can be asked again give
// questions. The same seed gives the same questions.
class TopicQuestionSource {
public:
    TopicQuestionSource(DataDirectory& data, const Clock& clock, const TextShelf& texts)
        : data_(data), clock_(clock), texts_(texts) {}
    virtual ~TopicQuestionSource() = default;

    // Whether the topic can give questions at all (a drill sheet with fields).
    virtual bool draws(const std::string& topicKey);
    // Up to `count` different questions of the topic.
    virtual std::vector<MissedQuestion> draw(const std::string& topicKey, int count, std::uint64_t seed);

private:
    DataDirectory& data_;
    const Clock& clock_;
    const TextShelf& texts_;
    std::map<std::string, bool> draws_;
};

// What the plan is made from.
struct PracticeInput {
    std::vector<ReviewItem> due;   // due misses that can be asked, the longest waiting first
    std::vector<MissedQuestion> slow;  // slow facts of the skills taught, the slowest first
    std::vector<SheetRow> sheets;  // the newest sheets of each topic, for the weak topics
    bool emptyRecord = false;      // no sheet at all yet
    int waiting = 0;               // misses waiting for review, due today or later
};
// What today's practice of a child of the request's grade draws from.
PracticeSources todaySources(const TodayRequest& request, const DataDirectory& data, TopicQuestionSource& source);

// Read from the record (through record_rows), the slow facts of the skills
// `sources` has taught; nothing when it cannot be read.
std::optional<PracticeInput> readPracticeInput(ProgressRecord& record, long long childId, Day today,
                                               const PracticeSources& sources, int count = kPracticeQuestions);

// Today's practice for a child of `grade`: the plan made from the record's
// rows (due misses, slow facts, the weak topics taught so far, this week's
// lesson and what came before it), each planned topic's questions drawn by
// its own generator, filled to the count while anything can be drawn. The
// same rows, request and data give the same practice.
TodayPractice buildTodayPractice(const PracticeInput& rows, const TodayRequest& request,
                                 const PracticeSources& sources, TopicQuestionSource& source);

// What the short page says beside the practice itself.
struct TodayStanding {
    int minutes = 1;         // about how long the sheet takes this child
    bool doneToday = false;  // a practice sheet of today is marked
    int streak = 0;          // the run of days with the practice done
};

// The short page before the practice: how many questions and about how long,
// this week's lesson, how many misses come back, and the start button; once
// today's is done, that it is done, the run of days and a button for one
// more set.
std::string todayPageHtml(const TodayPractice& practice, const TodayStanding& standing);
// The practice's sheet.
std::string todaySheetHtml(const TodayPractice& practice);

// What the marked sheet keeps for the record: each question's result for its
// topic, and the due misses answered right taken off the re-drill list.
void keepAnswers(const TodayPractice& practice, const std::vector<bool>& results, MarkedSheet& marks);

}  // namespace tally
