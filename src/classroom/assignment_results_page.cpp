// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/assignment_results_page.h"

#include <algorithm>

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

int columnCount(const Assignment& assignment, const std::vector<PupilResults>& table) {
    int columns = assignment.questionCount;
    for (const PupilResults& line : table) {
        for (const ClassAnswer& answer : line.answers) columns = std::max(columns, answer.position + 1);
    }
    return columns;
}

// Each question's text, from the first answer to it (every pupil is given the same questions).
std::vector<std::string> questionTexts(int columns, const std::vector<PupilResults>& table) {
    std::vector<std::string> texts(static_cast<std::size_t>(columns));
    for (const PupilResults& line : table) {
        for (const ClassAnswer& answer : line.answers) {
            if (answer.position < 0) continue;
            std::string& text = texts[static_cast<std::size_t>(answer.position)];
            if (text.empty()) text = questionOnOneLine(answer.question);
        }
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

std::string pupilRow(const PupilResults& line, int columns) {
    std::vector<const ClassAnswer*> byPlace(static_cast<std::size_t>(columns), nullptr);
    for (const ClassAnswer& answer : line.answers) {
        if (answer.position >= 0) byPlace[static_cast<std::size_t>(answer.position)] = &answer;
    }
    std::string cells = element("td", escaped(line.pupil.name), "class=pupil");
    for (const ClassAnswer* answer : byPlace) cells += answer ? answerCell(*answer) : element("td", "");
    return element("tr", cells);
}

std::string questionList(const std::vector<std::string>& texts) {
    std::string items;
    for (const std::string& text : texts) items += element("li", escaped(text));
    return element("h2", "题目") + element("ol", items, "class=questions");
}

std::string kindsText(const MissedOften& missed) {
    std::string text;
    for (const auto& [name, misses] : missed.errorKinds) {
        const std::string_view caption = errorKindCaption(errorKindNamed(name));
        if (caption.empty()) continue;
        text += (text.empty() ? "，其中" : "，") + std::string(caption) + std::to_string(misses) + "人";
    }
    return text;
}

std::string mostMissedPart(const std::vector<MissedOften>& missed) {
    if (missed.empty()) return element("h2", "错得多的题") + element("p", "这次练习没有人做错。");
    std::string items;
    for (const MissedOften& question : missed) {
        const std::string answer = question.correct.empty() ? "" : "，答案" + question.correct;
        items += element("li", "第" + std::to_string(question.position + 1) + "题　" +
                                   escaped(questionOnOneLine(question.question) + answer) + "：" +
                                   std::to_string(question.answered) + "人做了，" + std::to_string(question.wrong) +
                                   "人做错" + escaped(kindsText(question)) + "。");
    }
    return element("h2", "错得多的题") + element("ul", items);
}

std::string notDonePart(const std::vector<PupilResults>& table) {
    std::string names;
    for (const PupilResults& line : table) {
        if (line.answers.empty()) names += (names.empty() ? "" : "、") + line.pupil.name;
    }
    return element("h2", "还没有做的同学") + element("p", names.empty() ? "每个同学都做了。" : escaped(names) + "。");
}

// The lines in the order of the pupils' names, whatever order they came in.
std::vector<PupilResults> linesByName(const std::vector<PupilResults>& table) {
    std::vector<Pupil> pupils;
    for (const PupilResults& line : table) pupils.push_back(line.pupil);
    std::vector<PupilResults> sorted;
    for (const Pupil& pupil : pupilsByName(std::move(pupils))) {
        const auto line = std::find_if(table.begin(), table.end(), [&](const PupilResults& l) { return l.pupil == pupil; });
        sorted.push_back(*line);
    }
    return sorted;
}

}  // namespace

std::string assignmentResultsHtml(const Assignment& assignment, const std::vector<PupilResults>& table,
                                  const std::vector<MissedOften>& missed, const std::string& links) {
    const std::vector<PupilResults> lines = linesByName(table);
    const int columns = columnCount(assignment, lines);
    const std::vector<std::string> texts = questionTexts(columns, lines);
    std::string rows = headerRow(texts);
    for (const PupilResults& line : lines) rows += pupilRow(line, columns);
    const std::string body =
        links + element("h1", escaped(assignment.title)) +
        element("p", "共" + std::to_string(assignment.questionCount) + "道题，截止日期：" + escaped(dayWords(assignment.due, true)) +
                         "。同学按姓名排列。") +
        element("table", rows, "class=results") + questionList(texts) + mostMissedPart(missed) + notDonePart(lines);
    return classPageHtml(assignment.title, kStyle, body);
}

}  // namespace tally
