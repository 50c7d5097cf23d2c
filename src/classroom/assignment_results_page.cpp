// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/assignment_results_page.h"

#include <algorithm>
#include <map>
#include <utility>

#include "classroom/class_page_parts.h"
#include "practice/html_parts.h"
#include "progress/error_kind.h"

namespace tally {
namespace {

// 40 pupils by 50 questions stay readable on a screen and on landscape paper:
// narrow numbered columns, the names kept in sight while scrolling sideways.
constexpr const char* kStyle = R"(
table.results { border-collapse: collapse; }
table.results th, table.results td { border: 1px solid #c9b79c; padding: 2px 4px; font-size: 14px;
  text-align: center; white-space: nowrap; }
table.results th.pupil, table.results td.pupil { position: sticky; left: 0; background: #fffaf0; text-align: left; }
table.results td.right { color: #2e6b4f; }
table.results td.wrong { color: #b03a2e; background: #fbeae7; }
table.results small { color: #6b5a45; font-size: 11px; }
ol.questions { columns: 3; font-size: 14px; }
@media print {
  @page { size: landscape; margin: 10mm; }
  table.results th, table.results td { font-size: 9px; padding: 1px 2px; }
  table.results small { font-size: 7px; }
  table.results th.pupil, table.results td.pupil { position: static; }
  ol.questions { font-size: 10px; }
}
)";

constexpr int kMostMissedShown = 10;

int columnCount(const Assignment& assignment, const std::vector<ClassAnswer>& counted) {
    int columns = assignment.questionCount;
    for (const ClassAnswer& answer : counted) columns = std::max(columns, answer.position + 1);
    return columns;
}

// Each question's text, from the first answer to it (every pupil is given the same questions).
std::vector<std::string> questionTexts(int columns, const std::vector<ClassAnswer>& counted) {
    std::vector<std::string> texts(static_cast<std::size_t>(columns));
    for (const ClassAnswer& answer : counted) {
        std::string& text = texts[static_cast<std::size_t>(answer.position)];
        if (text.empty()) text = questionOnOneLine(answer.question);
    }
    return texts;
}

std::string headerRow(const std::vector<std::string>& texts) {
    std::string cells = element("th", "姓名", "class=pupil");
    for (std::size_t column = 0; column < texts.size(); ++column) {
        cells += element("th", std::to_string(column + 1), htmlAttr("title", texts[column]));
    }
    return element("tr", cells);
}

std::string answerCell(const ClassAnswer& answer) {
    const std::string typed = answer.typed.empty() && !answer.right ? "未填" : answer.typed;
    std::string content = escaped(typed) + (answer.right ? "√" : "×");
    if (const std::string seconds = secondsText(answer.ms); !seconds.empty()) content += "<br>" + element("small", seconds);
    return element("td", content, answer.right ? "class=right" : "class=wrong");
}

std::string pupilRow(const Pupil& pupil, int columns, const std::map<std::pair<long long, int>, ClassAnswer>& byPlace) {
    std::string cells = element("td", escaped(pupil.name), "class=pupil");
    for (int column = 0; column < columns; ++column) {
        const auto found = byPlace.find({pupil.id, column});
        cells += found == byPlace.end() ? element("td", "") : answerCell(found->second);
    }
    return element("tr", cells);
}

std::string questionList(const std::vector<std::string>& texts) {
    std::string items;
    for (const std::string& text : texts) items += element("li", escaped(text));
    return element("h2", "题目") + element("ol", items, "class=questions");
}

std::string kindsText(const MissedAssignmentQuestion& missed) {
    std::string text;
    for (const auto& [name, misses] : missed.kinds) {
        const std::string_view caption = errorKindCaption(errorKindNamed(name));
        if (caption.empty()) continue;
        text += (text.empty() ? "，其中" : "，") + std::string(caption) + std::to_string(misses) + "人";
    }
    return text;
}

std::string mostMissedPart(const std::vector<MissedAssignmentQuestion>& missed) {
    if (missed.empty()) return element("h2", "错得多的题") + element("p", "这次练习没有人做错。");
    std::string items;
    for (const MissedAssignmentQuestion& question : missed) {
        items += element("li", "第" + std::to_string(question.position + 1) + "题　" +
                                   escaped(questionOnOneLine(question.question)) + "：" + std::to_string(question.misses) +
                                   "人做错" + escaped(kindsText(question)) + "。");
    }
    return element("h2", "错得多的题") + element("ul", items);
}

std::string notDonePart(const std::vector<Pupil>& assigned, const std::vector<ClassAnswer>& counted) {
    std::string names;
    for (const Pupil& pupil : assigned) {
        const bool done = std::any_of(counted.begin(), counted.end(), [&](const ClassAnswer& a) { return a.pupilId == pupil.id; });
        if (!done) names += (names.empty() ? "" : "、") + pupil.name;
    }
    return element("h2", "还没有做的同学") + element("p", names.empty() ? "每个同学都做了。" : escaped(names) + "。");
}

}  // namespace

std::vector<ClassAnswer> countedAnswers(const Assignment& assignment, const std::vector<ClassAnswer>& answers) {
    std::map<std::pair<long long, int>, ClassAnswer> latest;
    for (const ClassAnswer& answer : answers) {
        if (answer.assignmentId != assignment.id || answer.position < 0) continue;
        const auto [place, added] = latest.try_emplace({answer.pupilId, answer.position}, answer);
        if (!added && place->second.answeredAt <= answer.answeredAt) place->second = answer;
    }
    std::vector<ClassAnswer> counted;
    for (auto& [place, answer] : latest) counted.push_back(std::move(answer));
    return counted;
}

std::vector<MissedAssignmentQuestion> mostMissedQuestions(const Assignment& assignment,
                                                          const std::vector<ClassAnswer>& answers, int limit) {
    std::map<int, MissedAssignmentQuestion> byPlace;
    for (const ClassAnswer& answer : countedAnswers(assignment, answers)) {
        if (answer.right) continue;
        MissedAssignmentQuestion& missed = byPlace[answer.position];
        missed.position = answer.position;
        if (missed.question.empty()) missed.question = answer.question;
        ++missed.misses;
        if (answer.errorKind.empty()) continue;
        auto kind = std::find_if(missed.kinds.begin(), missed.kinds.end(), [&](const auto& k) { return k.first == answer.errorKind; });
        if (kind == missed.kinds.end()) kind = missed.kinds.insert(missed.kinds.end(), {answer.errorKind, 0});
        ++kind->second;
    }
    std::vector<MissedAssignmentQuestion> missed;
    for (auto& [place, question] : byPlace) {
        std::stable_sort(question.kinds.begin(), question.kinds.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        missed.push_back(std::move(question));
    }
    std::stable_sort(missed.begin(), missed.end(),
                     [](const MissedAssignmentQuestion& a, const MissedAssignmentQuestion& b) { return a.misses > b.misses; });
    if (limit >= 0 && static_cast<int>(missed.size()) > limit) missed.resize(static_cast<std::size_t>(limit));
    return missed;
}

std::string assignmentResultsHtml(const Assignment& assignment, const std::vector<Pupil>& pupils,
                                  const std::vector<ClassAnswer>& answers) {
    const std::vector<Pupil> assigned = assignedPupils(assignment, pupils);
    const std::vector<ClassAnswer> counted = countedAnswers(assignment, answers);
    const int columns = columnCount(assignment, counted);
    const std::vector<std::string> texts = questionTexts(columns, counted);
    std::map<std::pair<long long, int>, ClassAnswer> byPlace;
    for (const ClassAnswer& answer : counted) byPlace.emplace(std::make_pair(answer.pupilId, answer.position), answer);
    std::string rows = headerRow(texts);
    for (const Pupil& pupil : assigned) rows += pupilRow(pupil, columns, byPlace);
    const std::string body =
        element("h1", escaped(assignment.title)) +
        element("p", "共" + std::to_string(assignment.questionCount) + "道题，截止日期：" + escaped(assignment.due) +
                         "。同学按姓名排列。") +
        element("table", rows, "class=results") + questionList(texts) +
        mostMissedPart(mostMissedQuestions(assignment, answers, kMostMissedShown)) + notDonePart(assigned, counted);
    return classPageHtml(assignment.title, kStyle, body);
}

}  // namespace tally
