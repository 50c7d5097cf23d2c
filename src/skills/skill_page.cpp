// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_page.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "page/html_page.h"
#include "pictures/picture_paper.h"
#include "sheets/drill_lines.h"
#include "sheets/error_kinds.h"
#include "sheets/mark_texts.h"
#include "sheets/marking.h"
#include "sheets/question_text.h"
#include "sheets/sheet.h"
#include "sheets/written_answer.h"

namespace tally {
namespace {

constexpr const char* kLineEnd = "<br><br>";
constexpr const char* kQuestionAttribute = "data-question";
constexpr const char* kSkillAttribute = "data-skill";
constexpr const char* kRemainderSeparator = "……";
constexpr std::string_view kBox = "□";
constexpr const char* kFirstUnit = "data-first";
constexpr const char* kSecondUnit = "data-second";

std::string field(const std::string& name, const std::string& tag, const std::string& extra = "") {
    return "<input class=text name=" + name + " type=text size=5 " + htmlAttribute("tag", tag) + extra + ">";
}

std::string numbered(const std::string& prefix, int question) { return prefix + std::to_string(question); }

bool isFraction(const SkillNumber& number) { return number.form == NumberForm::fraction; }

bool hasSign(const SkillQuestion& q, Sign sign) { return std::find(q.signs.begin(), q.signs.end(), sign) != q.signs.end(); }

// A question of fractions, or the value of a ratio (a fraction itself), is
// written one over the other as the fraction sheets write it.
// So is a worded question whose answer is a fraction ("涂色部分是这个圆的几分之几？").
bool writtenAsFractions(const SkillQuestion& q) {
    const SkillNumber answer = q.answer();
    if (q.layout == QuestionLayout::worded) return isFraction(answer);
    if (q.layout != QuestionLayout::equation) return false;
    return isFraction(answer) || std::any_of(q.terms.begin(), q.terms.end(), isFraction) ||
           (answer.form == NumberForm::whole && hasSign(q, Sign::ratio));
}

// There a fraction or whole answer takes two boxes (the denominator box of a
// whole one stays empty); a percent or a ratio takes one field.
bool answerInTwoBoxes(const SkillQuestion& q) {
    const NumberForm form = q.answer().form;
    return form == NumberForm::fraction || form == NumberForm::whole;
}

bool isWholeTwoTerm(const SkillQuestion& q) {
    if (q.terms.size() != 2 || q.box || q.remainder || q.layout != QuestionLayout::equation) return false;
    for (const SkillNumber& term : q.terms) {
        if (term.form != NumberForm::whole || term.numerator < 0) return false;
    }
    return q.prompt.empty() && (q.signs[0] == Sign::plus || q.signs[0] == Sign::minus || q.signs[0] == Sign::times);
}

bool isMixedOperation(const SkillRow& skill) {
    return skill.unit.find("混合运算") != std::string::npos || skill.unit.find("四则运算") != std::string::npos;
}

// 竖式 as the arithmetic drills write it.
std::string columnLine(int number, const SkillQuestion& q) {
    const int a = q.terms[0].numerator;
    const int b = q.terms[1].numerator;
    switch (q.signs[0]) {
        case Sign::plus: return verticalLine(Operation::Add, number, {a + b, a});
        case Sign::minus: return verticalLine(Operation::Subtract, number, {a, b});
        default: return verticalLine(Operation::Multiply, number, {a, b});
    }
}

// 脱式: the question, a line for the first step, then ＝ and the result.
std::string stepsLine(int number, const SkillQuestion& q) {
    const std::string question = q.text.substr(0, q.text.rfind("＝"));
    return questionHead(number) + "<br>" + question +
           "<br>＝<span style=\"display:inline-block;width:7em;border-bottom:1px solid #000\"></span><br>＝" +
           field(numbered("answer", number), numberText(q.answer())) + kLineEnd;
}

std::string remainderLine(int number, const SkillQuestion& q) {
    return questionHead(number) + q.text + field(numbered("answer", number), numberText(q.result)) +
           kRemainderSeparator + field(numbered("r", number), std::to_string(*q.remainder)) + kLineEnd;
}

// A worded question with two boxes, each a field: "[8]时[30]分". The words
// after each box go on the second field, to write the answer as it reads.
std::string twoBoxLine(int number, const SkillQuestion& q) {
    const std::size_t first = q.text.find(kBox);
    const std::size_t second = q.text.find(kBox, first + kBox.size());
    const std::string between = q.text.substr(first + kBox.size(), second - first - kBox.size());
    const std::string after = q.text.substr(second + kBox.size());
    const std::string secondUnit = after.substr(0, after.find_first_of("，。？"));
    const std::string units = " " + htmlAttribute(kFirstUnit, between) + " " + htmlAttribute(kSecondUnit, secondUnit);
    return questionHead(number) + q.text.substr(0, first) + field(numbered("answer", number), numberText(q.result)) +
           between + field(numbered("b", number), std::to_string(*q.secondBox), units) + after + kLineEnd;
}

// 横式, the field standing where the □ is (the ○ of a comparison), or after
// ＝ or ≈.
std::string acrossLine(int number, const SkillQuestion& q) {
    const std::string answer = field(numbered("answer", number), numberText(q.answer()));
    const std::string blank = q.layout == QuestionLayout::compare ? "○" : "□";
    const std::size_t box = q.text.find(blank);
    if (box == std::string::npos) return questionHead(number) + q.text + answer + kLineEnd;
    return questionHead(number) + q.text.substr(0, box) + answer + q.text.substr(box + blank.size()) + kLineEnd;
}

// A fraction answer in two boxes, the fractions written one over the other
// as the fraction sheets write them.
class FractionTable {
public:
    FractionTable(int number, const SkillQuestion& q) : number_(number), q_(q) {}

    std::string html() {
        top_ << "<td rowspan=2 width=72 nowrap>" << questionHead(number_) << "</td>";
        // A worded question's prompt is the whole question: it wraps.
        const bool worded = q_.layout == QuestionLayout::worded;
        if (!q_.prompt.empty()) top_ << "<td rowspan=2" << (worded ? " width=300" : " nowrap") << ">" << q_.prompt << "</td>";
        for (std::size_t i = 0; i < q_.terms.size(); ++i) {
            if (i > 0) sign(signText(q_.signs[i - 1]));
            if (q_.box && static_cast<std::size_t>(*q_.box) == i) fields();
            else number(q_.terms[i]);
        }
        if (q_.layout != QuestionLayout::worded) sign(q_.approximate ? "≈" : "＝");
        if (q_.box) number(q_.result);
        else fields();
        top_ << "<td rowspan=2 width=120><p id=" << numbered("fenshupl", number_) << "></p></td>";
        return "<table border=0 cellspacing=0 cellpadding=3><tr>" + top_.str() + "</tr><tr>" + bottom_.str() +
               "</tr></table><br>";
    }

private:
    static constexpr const char* kBar = " style=\"border-bottom:3px solid #000\"";
    int number_;
    const SkillQuestion& q_;
    std::ostringstream top_;
    std::ostringstream bottom_;

    void sign(const std::string& text) { top_ << "<td rowspan=2 align=center width=28>" << text << "</td>"; }
    void number(const SkillNumber& n) {
        if (!isFraction(n)) {
            top_ << "<td rowspan=2 align=center width=36>" << numberText(n) << "</td>";
            return;
        }
        top_ << "<td align=center width=36" << kBar << ">" << n.numerator << "</td>";
        bottom_ << "<td align=center width=36>" << n.denominator << "</td>";
    }
    void fields() {
        const SkillNumber answer = q_.answer();
        const std::string question = " " + htmlAttribute(kQuestionAttribute, q_.text);
        if (!answerInTwoBoxes(q_)) {
            top_ << "<td rowspan=2 align=center>" << field(numbered("answer", number_), numberText(answer), question)
                 << "</td>";
            return;
        }
        top_ << "<td align=center width=48" << kBar << ">"
             << field(numbered("answerup", number_), std::to_string(answer.numerator), question) << "</td>";
        const std::string denominator = isFraction(answer) ? std::to_string(answer.denominator) : "";
        bottom_ << "<td align=center width=48>" << field(numbered("answerdown", number_), denominator) << "</td>";
    }
};

// The picture as the screen shows it; the model's copy keeps how paper
// shows it beside it, the key out of the view's sight.
std::string pictureAbove(int number, const SkillQuestion& q) {
    return q.picture ? pictureAboveHtml(*q.picture, numbered("answer", number)) : "";
}

// A question answered on its picture: its field is hidden, the picture's
// script writes into it (the hands' time, the parts shaded).
std::string onPictureLine(int number, const SkillQuestion& q) {
    return questionHead(number) + q.text + onPictureFieldHtml(*q.picture, numbered("answer", number), q.setOnPicture, q.text) +
           kLineEnd;
}

std::string questionLine(int number, const SkillSheetItem& item, DrillForm form) {
    const SkillQuestion& q = item.question;
    if (!q.setOnPicture.empty()) return onPictureLine(number, q);
    if (q.secondBox) return twoBoxLine(number, q);
    if (writtenAsFractions(q)) return FractionTable(number, q).html();
    if (q.remainder) return remainderLine(number, q);
    if (q.terms.size() > 2 && isMixedOperation(*item.skill)) return stepsLine(number, q);
    if (form == DrillForm::Vertical && isWholeTwoTerm(q)) return columnLine(number, q);
    return acrossLine(number, q);
}

bool answersIn(const std::vector<SkillSheetItem>& items, NumberForm form) {
    return std::any_of(items.begin(), items.end(),
                       [form](const SkillSheetItem& item) { return item.question.answer().form == form; });
}

bool answeredOn(const SkillSheetItem& item, const char* fieldClass) {
    return !item.question.setOnPicture.empty() && item.question.picture->fieldClass() == fieldClass;
}

std::string sheetNotes(const std::vector<SkillSheetItem>& items) {
    bool remainder = false;
    bool steps = false;
    bool onClock = false;
    bool shading = false;
    for (const SkillSheetItem& item : items) {
        remainder = remainder || item.question.remainder.has_value();
        onClock = onClock || answeredOn(item, kDialField);
        shading = shading || answeredOn(item, kShadeField);
        steps = steps || (item.question.terms.size() > 2 && isMixedOperation(*item.skill));
    }
    std::string notes;
    if (remainder) notes += sheetNote("有余数的题，后面有余数框：商和余数分别填在两个框里。");
    if (steps) notes += sheetNote("脱式计算：先想好先算什么、再算什么，把最后的得数填在框里。");
    if (answersIn(items, NumberForm::relation)) notes += sheetNote("比较大小：在框里填“＞”“＜”或“＝”。");
    if (answersIn(items, NumberForm::percent)) notes += sheetNote("得数是百分数的，要写上百分号“%”。");
    // These notes go onto the printed worksheet too, so they say what to do on paper as well.
    if (onClock) {
        notes += sheetNote("拨一拨：在电脑上，用鼠标拖动分针（或时针），也可以点一下钟面再按键：←→拨一分，"
                           "↑↓拨五分，时针跟着分针走，拨好了就提交；在纸上，就在钟面上画出时针和分针。");
    }
    if (shading) {
        notes += sheetNote("涂一涂：在电脑上，点一份就涂上颜色，再点一下就擦掉；也可以按Tab键选中图形，"
                           "按←→换一份，按空格键涂或擦，涂好了就提交；在纸上，就用铅笔涂。");
    }
    if (answersIn(items, NumberForm::ratio)) notes += sheetNote("比的前项和后项之间写比号“∶”，也可以打冒号。");
    return notes;
}

// The question of a field that carries it (one inside a fraction table),
// else as the page reads around it.
std::string questionOf(const Page& page, const std::string& field, const SheetQuestions& texts) {
    const std::string carried = page.attribute(field, kQuestionAttribute);
    return carried.empty() ? texts.of(field) : carried;
}

void markFraction(Page& page, int number, MarkedSheet& marks) {
    const std::string up = numbered("answerup", number);
    const std::string down = numbered("answerdown", number);
    const FractionKey key = fractionKeyOf(page.tag(up) + "/" + page.tag(down));
    const std::string numerator = typedValue(page, up);
    const std::string denominator = typedValue(page, down);
    const bool right = fractionAnswerRight(numerator, denominator, key);
    const std::string expected = fractionKeyText(key);
    const std::string typed = fractionKeyText({numerator, denominator});
    const std::string question = page.attribute(up, kQuestionAttribute);
    const ErrorKind kind = right ? ErrorKind::None : classifyMiss(question, typed, expected);
    page.setInnerHtml(numbered("fenshupl", number), markHtml(right, right ? "" : expected, "", kind));
    if (!right) {
        page.setAttribute(up, "style", kWrongBoxStyle);
        page.setAttribute(down, "style", kWrongBoxStyle);
    }
    noteAnswer(page, {up, down}, question, right, typed);
    marks.mark(right, question, typed, expected, AnswerForm::Fraction);
    if (!right) marks.missed.back().kind = kind;
}

void markRemainder(Page& page, int number, const SheetQuestions& texts, MarkedSheet& marks) {
    const std::string quotient = numbered("answer", number);
    const std::string remainder = numbered("r", number);
    const std::string typedQuotient = typedValue(page, quotient);
    const std::string typedRemainder = typedValue(page, remainder);
    const bool quotientRight = writtenAnswerRight(typedQuotient, page.tag(quotient));
    const bool remainderRight = writtenAnswerRight(typedRemainder, page.tag(remainder));
    const std::string expected = page.tag(quotient) + kRemainderSeparator + page.tag(remainder);
    const bool right = quotientRight && remainderRight;
    if (!quotientRight) page.setAttribute(quotient, "style", kWrongBoxStyle);
    writeFieldMark(page, remainder, right, expected);
    const std::string typed = typedQuotient.empty() && typedRemainder.empty()
                                  ? ""
                                  : typedQuotient + kRemainderSeparator + typedRemainder;
    noteAnswer(page, {quotient, remainder}, texts.of(quotient), right, typed);
    marks.mark(right, texts.of(quotient), typed, expected, AnswerForm::None);
}

// Both boxes must be right; the answer is kept as it reads, "8时30分", and
// its miss is asked again in two boxes as the hours and minutes of a time are.
void markTwoBoxes(Page& page, int number, const SheetQuestions& texts, MarkedSheet& marks) {
    const std::string first = numbered("answer", number);
    const std::string second = numbered("b", number);
    const std::string typedFirst = typedValue(page, first);
    const std::string typedSecond = typedValue(page, second);
    const bool firstRight = writtenAnswerRight(typedFirst, page.tag(first));
    const bool right = firstRight && writtenAnswerRight(typedSecond, page.tag(second));
    const std::string between = page.attribute(second, kFirstUnit);
    const std::string after = page.attribute(second, kSecondUnit);
    const std::string expected = page.tag(first) + between + page.tag(second) + after;
    if (!firstRight) page.setAttribute(first, "style", kWrongBoxStyle);
    writeFieldMark(page, second, right, expected);
    const std::string typed =
        typedFirst.empty() && typedSecond.empty() ? "" : typedFirst + between + typedSecond + after;
    noteAnswer(page, {first, second}, texts.of(first), right, typed);
    marks.mark(right, texts.of(first), typed, expected, AnswerForm::HoursMinutes);
}

// The picture must show what was asked: the hands the time, the shaded
// parts their count.
// A clock's miss is asked again on a face to set (the hours and minutes in
// the hands' "8:30"); a shape to shade is not asked again.
void markOnPicture(Page& page, const std::string& field, const SheetQuestions& texts, MarkedSheet& marks) {
    const std::string typed = typedValue(page, field);
    const std::string key = page.tag(field);
    const bool right = typed == key;
    const bool clock = page.attribute(field, "class") == kDialField;
    writeFieldMark(page, field, right, clock ? key : "涂" + key + "份");
    const std::string question = questionOf(page, field, texts);
    noteAnswer(page, {field}, question, right, typed);
    marks.mark(right, question, typed, key, clock ? AnswerForm::HoursMinutes : AnswerForm::None);
}

bool severalSkills(const std::vector<SkillSheetItem>& items) {
    return std::any_of(items.begin(), items.end(), [&](const SkillSheetItem& item) { return item.skill != items[0].skill; });
}

// On a sheet of several skills each question names its skill in an empty
// element before it, so that its miss is kept under that skill.
std::string skillMarker(int number, const SkillRow& skill) {
    return "<i " + htmlAttribute("name", numbered("skill", number)) + " " + htmlAttribute(kSkillAttribute, skill.key) +
           "></i>";
}

// A question just marked on a sheet of several skills goes under its own
// skill: its answer, and its miss.
void keepUnderItsSkill(Page& page, int number, std::size_t missesBefore, MarkedSheet& marks) {
    const std::string marker = numbered("skill", number);
    if (!page.has(marker)) return;
    const SkillRow* skill = findSkill(page.attribute(marker, kSkillAttribute));
    if (!skill) return;
    page.answers().underTopic(skill->key);
    if (marks.missed.size() > missesBefore) {
        marks.missed.back().topicKey = skill->key;
        marks.missed.back().topicCaption = skill->caption;
    }
}

}  // namespace

std::string skillSheetHtml(const std::vector<SkillSheetItem>& items, DrillForm form) {
    std::string html = sheetNotes(items);
    const bool marked = severalSkills(items);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (marked) html += skillMarker(number, *items[i].skill);
        html += pictureAbove(number, items[i].question) + questionLine(number, items[i], form);
    }
    return html + kFinishButton + "<br><br>";
}

MarkedSheet markSkillSheet(Page& page, int questionCount, int thinkSeconds) {
    const SheetQuestions texts(page.bodyHtml());
    MarkedSheet marks;
    int questions = 0;
    for (int number = 1;; ++number) {
        const std::size_t missesBefore = marks.missed.size();
        if (page.has(numbered("answerup", number))) {
            markFraction(page, number, marks);
        } else if (page.has(numbered("r", number))) {
            markRemainder(page, number, texts, marks);
        } else if (page.has(numbered("b", number))) {
            markTwoBoxes(page, number, texts, marks);
        } else if (answeredOnPicture(page.attribute(numbered("answer", number), "class"))) {
            markOnPicture(page, numbered("answer", number), texts, marks);
        } else if (page.has(numbered("answer", number))) {
            const std::string answer = numbered("answer", number);
            markOneField(page, answer, page.value(answer), questionOf(page, answer, texts), marks);
        } else {
            break;
        }
        keepUnderItsSkill(page, number, missesBefore, marks);
        ++questions;
    }
    marks.score = arithmeticScore(marks.right, questions, questionCount);
    marks.seconds = thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, thinkSeconds));
    return marks;
}

}  // namespace tally
