// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/word_problem_sheet.h"

#include <algorithm>

#include "library/data_file_check.h"
#include "library/library_lists.h"
#include "library/word_problem_engine.h"
#include "page/html_page.h"
#include "base/gbk.h"
#include "base/text.h"
#include "sheets/expected_answer.h"
#include "sheets/mark_texts.h"
#include "sheets/marking.h"
#include "sheets/question_text.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"
#include "sheets/written_answer.h"

namespace tally {
namespace {

// `count` different items of `pool`, each subset equally likely, in the
// pool's order. Each draw picks among those not yet taken, so a draw never
// has to be repeated.
std::vector<std::size_t> pickInOrder(std::vector<std::size_t> pool, std::size_t count, RandomSource& random) {
    count = std::min(count, pool.size());
    for (std::size_t taken = 0; taken < count; ++taken) {
        const auto pick = taken + static_cast<std::size_t>(drawInt(random, static_cast<double>(pool.size() - taken), 0));
        std::swap(pool[taken], pool[pick]);
    }
    pool.resize(count);
    std::sort(pool.begin(), pool.end());
    return pool;
}

// The tag comes from the template file: quoted when it must be.
std::string answerBox(int question, const std::string& tag) {
    return " <input class=text name=answer" + std::to_string(question) + " type=text size=11 " +
           htmlAttribute("tag", tag) + ">";
}

std::string quotedFile(const std::string& fileName) { return "应用题文件“" + fileName + "”"; }

constexpr int kSectionTopic = 0;

// The word-problem topics: the tag's number, the node's key and caption, the
// grade's file, the grade and where its units stand. The first three keep the
// captions they always had.
struct WordProblemTopic {
    int topic;
    const char* key;
    const char* caption;
    const char* file;
    int grade;
    UnitPlace units;
};

constexpr WordProblemTopic kWordProblemTopics[] = {
    {7, "q57", "应用题-简单", "一年级应用题.txt", 1, UnitPlace::AfterBox},
    {6, "q56", "应用题-中等", "二年级应用题.txt", 2, UnitPlace::AfterBox},
    {9, "q55", "应用题-较难", "三年级应用题.txt", 3, UnitPlace::Typed},
    {104, "q5104", "四年级应用题", "四年级应用题.txt", 4, UnitPlace::Typed},
    {105, "q5105", "五年级应用题", "五年级应用题.txt", 5, UnitPlace::Typed},
    {106, "q5106", "六年级应用题", "六年级应用题.txt", 6, UnitPlace::Typed},
};

constexpr const char* kSecondTermMark = "# 下学期";

// The template lines of the file within `reach`, by their place in the file.
std::vector<std::size_t> templatesOf(const std::vector<std::string>& lines, TermReach reach) {
    std::vector<std::size_t> all;
    std::size_t firstTerm = std::string::npos;  // how many come before the mark
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (firstTerm == std::string::npos && lines[i].starts_with(kSecondTermMark)) firstTerm = all.size();
        if (isWordProblemTemplate(lines[i])) all.push_back(i);
    }
    if (reach == TermReach::FirstTerm && firstTerm != std::string::npos && firstTerm > 0) all.resize(firstTerm);
    return all;
}

// The answer with its unit, as the worked solution ends: "23棵" of "8+15=23棵".
std::string answerWithUnit(const std::string& working) { return working.substr(working.rfind('=') + 1); }

// The answer line: the box, and after it the unit where the sheet prints it.
std::string answerLine(int question, const WordProblem& problem, UnitPlace units) {
    if (units == UnitPlace::Typed) return answerBox(question, problem.answer + "|" + problem.working);
    const std::string number = numberPart(problem.answer);
    return answerBox(question, number + "|" + problem.working) + escapeHtmlText(problem.answer.substr(number.size()));
}

}  // namespace

TermReach termReachOf(int topic, const SchoolStage& stage) {
    for (const WordProblemTopic& known : kWordProblemTopics) {
        if (known.topic == topic && known.grade == stage.grade && !stage.secondTerm) return TermReach::FirstTerm;
    }
    return TermReach::BothTerms;
}

UnitPlace unitPlaceOf(int topic) {
    for (const WordProblemTopic& known : kWordProblemTopics) {
        if (known.topic == topic) return known.units;
    }
    return UnitPlace::Typed;
}

UnitPlace unitPlaceOf(const std::string& gradingKey) {
    for (const WordProblemTopic& known : kWordProblemTopics) {
        if (gradingKey == known.key) return known.units;
    }
    return UnitPlace::Typed;
}

std::string wordProblemFile(int topic) {
    for (const WordProblemTopic& known : kWordProblemTopics) {
        if (known.topic == topic) return known.file;
    }
    return "";
}

WordProblemSheet wordProblemSheet(const std::string& fileName, const std::string& text, RandomSource& random,
                                  UnitPlace units, TermReach reach) {
    const std::vector<std::string> lines = splitLines(text);
    const std::vector<std::size_t> templates = templatesOf(lines, reach);
    if (templates.empty()) return {"", quotedFile(fileName) + "里没有可以出题的题目。"};

    // The file names the grade: "一年级应用题.txt" heads its sheet "一年级应用题".
    const std::string grade = fileName.ends_with(".txt") ? fileName.substr(0, fileName.size() - 4) : fileName;
    const std::string note = units == UnitPlace::Typed ? "得数后面要写上单位，例如：24条。" : "单位已经写在方框后面，只要填得数。";
    std::string html = "<h2>" + escapeHtmlText(grade) + "</h2>" + sheetNote(note);
    int question = 0;
    for (std::size_t line : pickInOrder(templates, kWordProblemsPerSheet, random)) {
        const FilledTemplate filled = fillTemplate(lines[line], random);
        if (!filled.problem) {
            return {"", quotedFile(fileName) + "第" + std::to_string(line + 1) + "行不能出题：" + filled.fault +
                            "。请爸爸妈妈改一改这一行。"};
        }
        const WordProblem& problem = *filled.problem;
        ++question;
        // The file keeps an ASCII "?" where the unit rule reads it; the child reads "？".
        html += std::to_string(question) + "：" + replaceAll(problem.question, "?", "？") + "<br>" + "答案 = " +
                answerLine(question, problem, units) + "<br><br>";
    }
    return {html + kRevealButton + "<br><br>", ""};
}

bool WordProblemFamily::builds(const TopicTagParts& tag) const {
    return tag.sigil == "?" && (tag.number == kSectionTopic || !wordProblemFile(tag.number).empty());
}

bool WordProblemFamily::marks(const std::string& gradingKey) const {
    for (const WordProblemTopic& known : kWordProblemTopics) {
        if (gradingKey == known.key) return true;
    }
    return false;
}

void WordProblemFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    if (click.tag.number == kSectionTopic) {
        sheet.html += introPage(context, click.caption, "IntroWordProblems");
        return;
    }
    const std::string fileName = wordProblemFile(click.tag.number);
    const auto bytes = context.data.read(fileName);
    const std::string refusal = bytes ? refusedDataFile(fileName, *bytes, false) : "";
    WordProblemSheet built =
        !bytes             ? WordProblemSheet{"", "找不到" + quotedFile(fileName) + "，请把它放回程序的文件夹里。"}
        : !refusal.empty() ? WordProblemSheet{"", refusal}
                           : wordProblemSheet(fileName, gbkToUtf8(*bytes), context.random,
                                              unitPlaceOf(click.tag.number),
                                              termReachOf(click.tag.number, context.stage));
    if (!built.message.empty()) {
        context.window.message("提示", built.message);
        sheet.keepPage = true;
        return;
    }
    sheet.html += built.html;
}

std::optional<MarkedSheet> WordProblemFamily::mark(FamilyContext& context, const std::string& gradingKey) {
    const bool unitPrinted = unitPlaceOf(gradingKey) == UnitPlace::AfterBox;
    Page& page = context.page;
    const SheetQuestions texts(page.bodyHtml());
    MarkedSheet marks;
    for (int i = 1; i <= kWordProblemsPerSheet && page.has("answer" + std::to_string(i)); ++i) {
        const std::string field = "answer" + std::to_string(i);
        const AnswerTag expected = splitAnswerTag(page.tag(field));
        const std::string typed = foldTypedAnswer(page.value(field));
        // A unit written in full width in the template is typed the same way.
        const std::string answer = foldTypedAnswer(expected.answer);
        // With the unit printed after the box, the child may still type it.
        const bool isRight = writtenAnswerRight(typed, answer) ||
                             (unitPrinted && writtenAnswerRight(typed, foldTypedAnswer(answerWithUnit(expected.working))));
        // The worked solution is shown either way, with the signs a child writes.
        const bool unitLeftOut = !isRight && sameDecimalValue(typed, numberPart(answer));
        page.insertHtmlAfter(field, markHtml(isRight, workingAsWritten(expected.working),
                                             unitLeftOut ? "（别忘了写单位）" : ""));
        if (!isRight) page.setAttribute(field, "style", kWrongBoxStyle);
        noteAnswer(page, {field}, texts.of(field), isRight, typed);
        marks.mark(isRight, texts.of(field), typed, expected.answer, AnswerForm::One);
    }
    marks.score = arithmeticScore(marks.right, marks.questions, kWordProblemsPerSheet);
    marks.seconds = context.thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, context.thinkSeconds));
    return marks;
}

TopicSections WordProblemFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T11") return {};
    std::vector<TopicRow> rows = {{"q5", "应用题", "?" + std::to_string(kSectionTopic), ""}};
    for (const WordProblemTopic& known : kWordProblemTopics) {
        rows.push_back({known.key, known.caption, "?" + std::to_string(known.topic), "q5"});
    }
    return {{rows}};
}

}  // namespace tally
