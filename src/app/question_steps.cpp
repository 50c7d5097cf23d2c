// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/question_steps.h"

#include <string_view>

#include "page/html_page.h"
#include "skills/skill_question_lookup.h"
#include "skills/steps_html.h"

namespace tally {

namespace {

constexpr std::string_view kButtonPrefix = "steps";
constexpr const char* kBoxPrefix = "stepsbox";
constexpr const char* kQuestionAttribute = "data-question";
constexpr const char* kTopicAttribute = "data-topic";
constexpr const char* kKindAttribute = "data-kind";
constexpr const char* kShown = "display:block";
constexpr const char* kHidden = "display:none";

// The number at the end of a field's name: 3 of "answer3", "answerup3", "r3".
int questionNumber(const std::string& field) {
    const std::size_t digits = field.find_last_not_of("0123456789") + 1;
    if (digits >= field.size()) return 0;
    return std::stoi(field.substr(digits));
}

std::optional<QuestionSteps> stepsOf(const std::string& topicKey, const std::string& text) {
    const SkillRow* skill = findSkill(topicKey);
    std::optional<SkillQuestion> question = skill ? skillQuestionWithText(*skill, text) : std::nullopt;
    if (!question) question = drillQuestion(text);
    return question ? questionSteps(skill, *question) : std::nullopt;
}

std::string buttonHtml(int number, const std::string& question, const std::string& topicKey, ErrorKind kind) {
    return " <input class=button type=button " + htmlAttribute("name", stepsButtonName(number)) + " " +
           htmlAttribute(kQuestionAttribute, question) + " " + htmlAttribute(kTopicAttribute, topicKey) + " " +
           htmlAttribute(kKindAttribute, std::string(errorKindName(kind))) + " value=看看怎么算>";
}

ErrorKind kindOf(const std::vector<MissedQuestion>& missed, const std::string& question) {
    for (const MissedQuestion& miss : missed) {
        if (miss.question == question) return miss.kind;
    }
    return ErrorKind::None;
}

}  // namespace

std::string stepsButtonName(int number) { return std::string(kButtonPrefix) + std::to_string(number); }

bool isStepsButton(const std::string& name) {
    return name.starts_with(kButtonPrefix) && name.size() > kButtonPrefix.size() &&
           name.find_first_not_of("0123456789", kButtonPrefix.size()) == std::string::npos;
}

void offerSteps(Page& page, const std::string& sheetKey, const std::vector<MissedQuestion>& missed) {
    for (const AnswerLog::Answer& answer : page.answers().answers()) {
        if (answer.right || answer.fields.empty()) continue;
        const int number = questionNumber(answer.fields.front());
        const std::string topicKey = answer.topicKey.empty() ? sheetKey : answer.topicKey;
        if (number == 0 || page.has(stepsButtonName(number)) || !stepsOf(topicKey, answer.question)) continue;
        const std::string button = buttonHtml(number, answer.question, topicKey, kindOf(missed, answer.question));
        // A fraction's mark stands in a cell of its own, any other right behind its last box.
        const std::string fractionMark = "fenshupl" + std::to_string(number);
        if (page.has(fractionMark)) page.insertHtmlAfter(fractionMark, button);
        else page.insertHtmlAfterNext(answer.fields.back(), button);
    }
}

std::optional<QuestionSteps> stepsOfButton(const Page& page, const std::string& buttonName) {
    if (!isStepsButton(buttonName) || !page.has(buttonName)) return std::nullopt;
    return stepsOf(page.attribute(buttonName, kTopicAttribute), page.attribute(buttonName, kQuestionAttribute));
}

std::string stepsKindLine(const Page& page, const std::string& buttonName) {
    if (!page.has(buttonName)) return "";
    const std::string_view caption = errorKindCaption(errorKindNamed(page.attribute(buttonName, kKindAttribute)));
    return caption.empty() ? "" : "这道题是" + std::string(caption) + "。";
}

void toggleSteps(Page& page, const std::string& buttonName) {
    const std::string box = kBoxPrefix + buttonName.substr(kButtonPrefix.size());
    if (page.has(box)) {
        page.setAttribute(box, "style", page.attribute(box, "style") == kHidden ? kShown : kHidden);
        return;
    }
    const std::optional<QuestionSteps> steps = stepsOfButton(page, buttonName);
    if (!steps) return;
    page.insertHtmlAfter(buttonName, "<div " + htmlAttribute("id", box) + " " + htmlAttribute("style", kShown) + ">" +
                                         stepsHtml(*steps, box + "-steps", stepsKindLine(page, buttonName)) + "</div>");
}

}  // namespace tally
