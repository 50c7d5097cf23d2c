// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "practice/review_schedule.h"
#include "practice/skill_pace.h"

namespace tally {

// A topic's accuracy must move by at least this many percentage points from
// one week to the next to count as gone up or down.
inline constexpr int kTrendPoints = 5;
inline constexpr int kNextTopics = 3;
// How many of the week's misses waiting for review the report lists by name.
inline constexpr std::size_t kListedMisses = 20;

struct WeekFigures {
    int days = 0;  // days with at least one marked sheet
    int sheets = 0;
    int questions = 0;
    int right = 0;
    int seconds = 0;
    int timedQuestions = 0;  // of the sheets with seconds of their own (not the daily practice's shares)

    // Percent right (0…100) and seconds per timed question; 0 without questions.
    double accuracy() const;
    double secondsPerQuestion() const;
    bool operator==(const WeekFigures&) const = default;
};

struct TopicWeeks {
    std::string topicKey;
    std::string caption;
    WeekFigures thisWeek;  // `days` counted per topic too
    WeekFigures lastWeek;

    // This week's accuracy less last week's, in points; 0 unless practised in both.
    double change() const;
    bool operator==(const TopicWeeks&) const = default;
};

struct NextTopic {
    std::string topicKey;
    std::string caption;
    std::string sentence;

    bool operator==(const NextTopic&) const = default;
};

// The facts of one grid (乘法口诀…) that became 熟练 this week.
struct FluentFacts {
    std::string grid;
    std::vector<std::string> facts;

    bool operator==(const FluentFacts&) const = default;
};

// The last seven days (today and the six before) against the seven before them.
struct WeeklyReport {
    std::string childName;
    Day today = 0;
    Day from = 0;  // the first day of this week; the week before is from-7 … from-1
    WeekFigures thisWeek;  // every sheet, the daily practice and re-drills too; no shares
    WeekFigures lastWeek;
    // Per topic, its answers on the daily practice too; most questions this
    // week first, then last week's, then key.
    std::vector<TopicWeeks> topics;
    std::vector<TopicWeeks> up;      // the most gained first
    std::vector<TopicWeeks> down;    // the most lost first
    int waiting = 0;                     // misses waiting for review, due today or later
    std::vector<ReviewItem> weekMisses;  // this week's misses still waiting, the soonest back first
    std::vector<NextTopic> next;     // up to three
    // Questions per minute by the answers' times, and the facts newly 熟练:
    // the caller's to fill in.
    std::vector<SkillPace> paces;
    std::vector<FluentFacts> newlyFluent;
    // The kinds of error of this week's misses, most first: the caller's to fill in.
    std::vector<KindCount> errorKinds;
    // The right answers of the listed misses are the parent's; a child alone
    // sees the misses without them.
    bool withAnswers = true;

    bool operator==(const WeeklyReport&) const = default;
};

// The figures from the child's sheet rows (with the shares of the daily
// practice, shareRow()) and their misses due for review (as
// ReviewSchedule::due(today) or dueFromHistory() give them; any not due by
// `today` are left out). The three topics to practise next are the weakest
// (weakTopics()), then the topics with the most due misses. The misses
// waiting are the caller's to fill in.
WeeklyReport weeklyReport(const std::vector<SheetRow>& sheets, const std::vector<ReviewItem>& due, Day today,
                          const std::string& childName = "");

// "这一周小明有5次忘了进位、2次看错符号。" (without a name, "这一周有…"); "" when
// no miss of the week had a kind.
std::string errorKindsSentence(const std::string& childName, const std::vector<KindCount>& kinds);

// The report as a whole page for the parent, plain and printable on A4;
// `chooserHtml` (the parent's links to each child's report) under its title.
std::string weeklyReportHtml(const WeeklyReport& report, const std::string& chooserHtml = "");

}  // namespace tally
