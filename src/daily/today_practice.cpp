// SPDX-License-Identifier: GPL-3.0-or-later
#include "daily/today_practice.h"

#include <algorithm>
#include <memory>
#include <set>

#include "daily/waiting_rows.h"
#include "families/family_table.h"
#include "page/html_page.h"
#include "daily/plan_questions.h"
#include "daily/similar_questions.h"
#include "daily/slow_questions.h"
#include "practice/lesson_list.h"
#include "practice/practice_calendar.h"
#include "practice/practice_sources.h"
#include "practice/weak_topics.h"
#include "topics/catalogue.h"
#include "base/seeded_random.h"
#include "base/null_window.h"
#include "base/timer_bank.h"
#include "sheets/redrill_sheet.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

const Families& checkingFamilies() {
    static const Families families;
    return families;
}

// Every skill of the textbook, as the practice's rules see them.
std::vector<SkillUnit> skillUnits() {
    std::vector<SkillUnit> units;
    for (const SkillRow& row : skillTable()) {
        units.push_back({row.key, row.grade, row.term == Term::first ? SchoolTerm::First : SchoolTerm::Second, row.unit});
    }
    return units;
}

}  // namespace

int countFrom(const std::vector<TodayQuestion>& questions, PlanSource source) {
    return static_cast<int>(std::count_if(questions.begin(), questions.end(),
                                          [source](const TodayQuestion& q) { return q.source == source; }));
}

namespace {

std::string planNote(const TodayPractice& practice) {
    const bool review = std::any_of(practice.questions.begin(), practice.questions.end(),
                                    [](const TodayQuestion& q) { return q.source == PlanSource::Review; });
    return std::string("今日练习：") + (review ? "有以前做错的题，也有新题。" : "") + "一道一道认真做，做完了交卷。";
}

}  // namespace

std::vector<MissedQuestion> TodayPractice::asked() const {
    std::vector<MissedQuestion> asked;
    asked.reserve(questions.size());
    for (const TodayQuestion& q : questions) asked.push_back(q.question);
    return asked;
}

bool TopicQuestionSource::draws(const std::string& topicKey) {
    const auto known = draws_.find(topicKey);
    if (known != draws_.end()) return known->second;
    const FamilyTable& table = checkingFamilies().table;
    const std::optional<TopicNode> node = findFixedTopic(table, topicKey);
    const TopicFamily* marker = table.markerOf(topicKey);
    // A sheet with fields may still ask nothing that can be asked again (a
    // question known only by its place): one question drawn tells.
    const bool draws = node && table.builderOf(splitTopicTag(node->tag)) && marker && marker->answerStyle(topicKey) &&
                       !draw(topicKey, 1, 1).empty();
    draws_[topicKey] = draws;
    return draws;
}

std::vector<MissedQuestion> TopicQuestionSource::draw(const std::string& topicKey, int count, std::uint64_t seed) {
    std::vector<MissedQuestion> drawn;
    const std::optional<TopicNode> node = findFixedTopic(checkingFamilies().table, topicKey);
    if (!node || count <= 0) return drawn;
    // Families of their own: nothing of the window's games or lessons moves.
    auto families = std::make_unique<Families>();
    HtmlPage page;
    SeededRandom random(seed);
    NullWindow window;  // the window a topic's sheet is drawn in
    SheetOptions options;
    options.questionCount = count <= 10 ? 10 : 20;
    TimerBank timers;
    TreeModel tree;
    TopicNode shown = *node;
    shown.parent.clear();
    tree.add(shown);
    tree.select(shown.key);
    const int thinkSeconds = 0;
    FamilyContext context{page, random, data_, window, clock_, options, timers, tree, texts_, thinkSeconds,
                          families->table};
    const TopicClick click{node->key, node->caption, splitTopicTag(node->tag)};
    std::set<std::string> seen;
    // A sheet asks its questions once; a few sheets are drawn when one has
    // too few that can be asked again.
    for (int sheetNumber = 0; sheetNumber < 4 && static_cast<int>(drawn.size()) < count; ++sheetNumber) {
        Sheet sheet;
        families->table.build(context, click, sheet);
        if (sheet.keepPage || sheet.html.empty()) break;
        const std::string gradingKey = sheet.gradingKey.empty() ? topicKey : sheet.gradingKey;
        TopicFamily* marker = families->table.markerOf(gradingKey);
        if (!marker || !marker->answerStyle(gradingKey)) break;
        page.setBody(sheet.html);
        const std::optional<MarkedSheet> marks = marker->mark(context, gradingKey);
        if (!marks) break;
        for (MissedQuestion question : marks->missed) {
            if (question.form == AnswerForm::None || question.correct.empty()) continue;
            if (!seen.insert(question.question).second) continue;
            question.typed.clear();
            question.topicKey = topicKey;
            question.topicCaption = node->caption;
            drawn.push_back(std::move(question));
            if (static_cast<int>(drawn.size()) == count) break;
        }
    }
    return drawn;
}

PracticeSources todaySources(const TodayRequest& request, const DataDirectory& data, TopicQuestionSource& source) {
    static const std::vector<SkillUnit> skills = skillUnits();
    const SourceQuery query{request.grade, request.today, readLessonList(data, request.grade),
                            readLessonList(data, request.grade - 1), skills};
    return practiceSources(query, [&](const std::string& key) { return source.draws(key); });
}

std::optional<PracticeInput> readPracticeInput(ProgressRecord& record, long long childId, Day today,
                                               const PracticeSources& sources, int count) {
    PracticeInput input;
    const auto enough = static_cast<std::size_t>(std::max(count, 0));
    auto due = dueMisses(record, childId, today, DueQuery{enough});
    if (!due) return std::nullopt;
    input.due = std::move(*due);
    auto slow = readSlowQuestions(record, childId, sources.taught, today, input.due, enough);
    if (!slow) return std::nullopt;
    input.slow = std::move(*slow);
    PracticeRows recent = readRecentSheetRows(record, childId, {}, kWeakTopicSheets);
    if (!recent.readable) return std::nullopt;
    input.sheets = std::move(recent.sheets);
    input.emptyRecord = !recordHasSheets(record, childId);
    const std::optional<int> waiting = waitingMisses(record, childId);
    if (!waiting) return std::nullopt;
    input.waiting = *waiting;
    return input;
}

TodayPractice buildTodayPractice(const PracticeInput& rows, const TodayRequest& request,
                                 const PracticeSources& sources, TopicQuestionSource& source) {
    TodayPractice practice;
    practice.today = request.today;
    practice.waiting = rows.waiting;
    practice.lesson = sources.week;
    practice.lessonNote = lessonDrillsNote(sources);

    PlanInput input;
    input.count = request.count;
    input.seed = request.seed;
    input.emptyRecord = rows.emptyRecord;
    input.due = rows.due;
    input.slow = rows.slow;
    for (WeakTopic& weak : taughtWeakTopics(weakTopics(rows.sheets), sources)) {
        if (source.draws(weak.topicKey)) input.weak.push_back(std::move(weak));
        if (input.weak.size() == 3) break;
    }
    input.lessonDrills = sources.lessonDrills;
    input.earlierDrills = sources.earlierDrills;

    practice.questions = planQuestions(practicePlan(input), input, source, request.seed);
    addSimilarQuestions(practice.questions, rows.due, source, request.seed);
    practice.dueCount = countFrom(practice.questions, PlanSource::Review);
    practice.slowCount = countFrom(practice.questions, PlanSource::Slow);
    return practice;
}

std::string todayPageHtml(const TodayPractice& practice, const TodayStanding& standing) {
    const int questions = static_cast<int>(practice.questions.size());
    std::string html = "<h2>" + std::string(kPracticeCaption) + "</h2>";
    if (standing.doneToday) {
        html += "<p id=todaydone class=done>今天的练习做完了 ✓</p><p id=streak class=streak>" +
                escapeHtmlText(doneStreakText(standing.streak)) + "</p>";
    }
    if (questions == 0) return html + (standing.doneToday ? "" : "<p>今天没有可以练习的题目。</p>");
    html += std::string("<p id=todaycount>") + (standing.doneToday ? "再练一组：" : "今天的练习：") +
            std::to_string(questions) + "道题，大约" + std::to_string(standing.minutes) + "分钟</p>";
    if (!practice.lesson.caption.empty()) {
        html += "<p>" + std::string(practice.lesson.review ? "" : "这个星期学：") +
                escapeHtmlText(practice.lesson.caption) + "</p>";
    }
    if (!practice.lessonNote.empty()) html += "<p class=lessonnote>" + escapeHtmlText(practice.lessonNote) + "</p>";
    if (practice.dueCount > 0) {
        html += "<p>里面有" + std::to_string(practice.dueCount) + "道以前做错的题，今天再做一次。</p>";
    }
    if (practice.slowCount > 0) {
        html += "<p class=slowfacts>还有" + std::to_string(practice.slowCount) +
                "道题你算对了，只是还不够快，今天再练一练，争取又对又快。</p>";
    }
    html += waitingParagraph(practice.waiting);
    const char* button = standing.doneToday ? kTodayMoreButton : kTodayStartButton;
    return html + "<p><input class=button name=" + button + " type=button value=\"" +
           (standing.doneToday ? "再练一组" : "开始练习") + "\"></p>";
}

std::string todaySheetHtml(const TodayPractice& practice) { return mixedSheetHtml(planNote(practice), practice.asked()); }

void keepAnswers(const TodayPractice& practice, const std::vector<bool>& results, MarkedSheet& marks) {
    marks.answered.clear();
    marks.mended.clear();
    for (std::size_t i = 0; i < practice.questions.size() && i < results.size(); ++i) {
        const TodayQuestion& asked = practice.questions[i];
        const bool review = asked.source == PlanSource::Review;
        marks.answered.push_back({asked.question.topicKey, asked.question.topicCaption, asked.question.question,
                                  static_cast<bool>(results[i]), review});
        // A missed question answered right leaves the re-drill list too.
        if (review && results[i]) marks.mended.push_back(asked.question);
    }
}

}  // namespace tally
