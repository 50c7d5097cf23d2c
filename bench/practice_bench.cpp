// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "practice/lesson_week.h"
#include "practice/mastery.h"
#include "practice/practice_plan.h"
#include "practice/review_schedule.h"
#include "practice/weak_topics.h"
#include "practice/weekly_report.h"
#include "same_draws.h"

// A child who practised for years: 100,000 sheets over 200 topics and two
// years, 200,000 missed questions, given newest first as the record gives
// them. Measures today's practice built from those rows (the review
// schedule rebuilt from every miss, the weak topics, this week's lesson,
// the plan), the same from a stored schedule, and the mastery marks of one
// tab's 30 topics.

namespace tally {
namespace {

constexpr int kSheets = 100000;
constexpr int kMisses = 200000;
constexpr int kTopics = 200;
constexpr int kDays = 730;

const Day kFirstDay = parseDay("2023-09-01").value();
const Day kToday = kFirstDay + kDays;

std::string topicKey(int topic) { return "q" + std::to_string(1000 + topic); }

std::string when(int dayIndex, int secondOfDay) {
    char clock[16];
    std::snprintf(clock, sizeof clock, " %02d:%02d:%02d", secondOfDay / 3600, secondOfDay / 60 % 60,
                  secondOfDay % 60);
    return dayText(kFirstDay + dayIndex) + clock;
}

struct BigRecord {
    std::vector<SheetRow> sheets;
    std::vector<ReviewEvent> misses;  // in the order stored, oldest first
};

const BigRecord& bigRecord() {
    static const BigRecord record = [] {
        BigRecord made;
        bench::SameDraws draw;
        made.sheets.reserve(kSheets);
        made.misses.reserve(kMisses);
        // Newest first: the sheet number counts down through the days.
        for (int i = kSheets - 1; i >= 0; --i) {
            const int day = static_cast<int>(static_cast<long long>(i) * kDays / kSheets);
            const int topic = draw.below(kTopics);
            const int right = 10 + draw.below(11);
            const std::string stamp = when(day, 8 * 3600 + i % 40000);
            made.sheets.push_back({stamp, topicKey(topic), "题目" + std::to_string(topic), 20, right, right * 5,
                                   60 + draw.below(300)});
            for (int m = 0; m < kMisses / kSheets; ++m) {
                const int a = draw.below(1000), b = draw.below(1000);
                MissedQuestion miss{std::to_string(a) + "＋" + std::to_string(b) + "＝（　）", "0",
                                    std::to_string(a + b), AnswerForm::One, topicKey(topic),
                                    "题目" + std::to_string(topic)};
                made.misses.push_back({stamp, std::move(miss), false});
            }
        }
        std::reverse(made.misses.begin(), made.misses.end());
        return made;
    }();
    return record;
}

std::vector<LessonEntry> gradeLessons() {
    std::vector<LessonEntry> lessons;
    for (int i = 1; i <= 18; ++i) {
        lessons.push_back({"q533303" + std::to_string(1000 + i).substr(1), i == 9 ? "上学期总复习" : "课" + std::to_string(i),
                           i % 2 ? std::vector<std::string>{topicKey(i)} : std::vector<std::string>{}});
    }
    return lessons;
}

std::vector<PlanItem> planFrom(std::vector<ReviewItem> due, const std::vector<SheetRow>& sheets) {
    PlanInput input;
    input.due = std::move(due);
    input.weak = weakTopics(sheets);
    input.lessonDrills = lessonOfWeek(2, gradeLessons(), kToday).drillKeys;
    input.seed = 2024;
    return practicePlan(input);
}

const DueQuery kForThePlan{kPracticeQuestions};

// From the record's rows alone: the review schedule worked out from every miss.
void BM_TodaysPracticeFromTheRows(benchmark::State& state) {
    const BigRecord& record = bigRecord();
    for (auto _ : state) {
        benchmark::DoNotOptimize(planFrom(dueFromHistory(record.misses, kToday, kForThePlan), record.sheets));
    }
}
BENCHMARK(BM_TodaysPracticeFromTheRows)->Unit(benchmark::kMillisecond);

// From the schedule's stored rows (ReviewSchedule::items()) and the sheets.
void BM_TodaysPracticeFromStoredScheduleRows(benchmark::State& state) {
    const BigRecord& record = bigRecord();
    const std::vector<ReviewItem> stored = rebuildSchedule(record.misses).items();
    for (auto _ : state) benchmark::DoNotOptimize(planFrom(dueOf(stored, kToday, kForThePlan), record.sheets));
}
BENCHMARK(BM_TodaysPracticeFromStoredScheduleRows)->Unit(benchmark::kMillisecond);

void BM_DueFromHistory(benchmark::State& state) {
    const BigRecord& record = bigRecord();
    for (auto _ : state) benchmark::DoNotOptimize(dueFromHistory(record.misses, kToday, kForThePlan));
}
BENCHMARK(BM_DueFromHistory)->Unit(benchmark::kMillisecond);

// The whole schedule with a copy of every question, as rows to store.
void BM_ScheduleRebuilt(benchmark::State& state) {
    const BigRecord& record = bigRecord();
    for (auto _ : state) benchmark::DoNotOptimize(rebuildSchedule(record.misses).size());
}
BENCHMARK(BM_ScheduleRebuilt)->Unit(benchmark::kMillisecond);

void BM_WeakTopics(benchmark::State& state) {
    const BigRecord& record = bigRecord();
    for (auto _ : state) benchmark::DoNotOptimize(weakTopics(record.sheets));
}
BENCHMARK(BM_WeakTopics)->Unit(benchmark::kMillisecond);

void BM_MasteryOfATab(benchmark::State& state) {
    const BigRecord& record = bigRecord();
    std::vector<std::string> tab;
    for (int topic = 0; topic < 30; ++topic) tab.push_back(topicKey(topic * 3));
    for (auto _ : state) benchmark::DoNotOptimize(topicMastery(record.sheets, tab));
}
BENCHMARK(BM_MasteryOfATab)->Unit(benchmark::kMillisecond);

void BM_WeeklyReport(benchmark::State& state) {
    const BigRecord& record = bigRecord();
    const std::vector<ReviewItem> due = rebuildSchedule(record.misses).due(kToday);
    for (auto _ : state) benchmark::DoNotOptimize(weeklyReportHtml(weeklyReport(record.sheets, due, kToday)));
}
BENCHMARK(BM_WeeklyReport)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tally
