// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/arithmetic.h"

#include "sheets/drill_lines.h"
#include "sheets/marking.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

// The drills write vertical and inequality lines for sums and differences only, the
// decimal line for everything but division.
DrillForm formFor(Operation operation, DrillForm form) {
    switch (operation) {
        case Operation::Add:
        case Operation::Subtract: return form;
        case Operation::Multiply: return form == DrillForm::Decimal ? form : DrillForm::Normal;
        case Operation::Divide: break;
    }
    return DrillForm::Normal;
}

std::string questionLine(RandomSource& random, Operation operation, DrillForm form,
                         int question, OperandPair pair) {
    switch (form) {
        case DrillForm::Normal: break;
        case DrillForm::Vertical: return verticalLine(operation, question, pair);
        case DrillForm::Inequality: return inequalityLine(operation, question, pair);
        case DrillForm::Decimal: {
            const int d1 = drawInt(random, 9, 1);
            const int d2 = drawInt(random, 9, 1);
            return decimalLine(operation, question, pair, d1, d2);
        }
    }
    return normalLine(operation, question, pair);
}

constexpr const char* kFormHint =
    "<br>点击工具栏上的“竖式”按钮，出题形式就是以竖式形式出现！"
    "<br>点击工具栏上的“最大”按钮，出题形式就是以不等式形式出现！";

// The page of a section root (加法, 减法, 乘法, 除法).
std::string operatorIntroduction(Operation operation) {
    switch (operation) {
        case Operation::Add: return std::string("加法题!") + kFormHint;
        case Operation::Subtract: return std::string("减法题!") + kFormHint;
        case Operation::Multiply: return "乘法题!";
        case Operation::Divide: return "除法题!";
    }
    return "";
}

}  // namespace

std::string arithmeticSheetHtml(RandomSource& random, Operation operation, int limit,
                                DrillForm form, int questionCount) {
    const OperandDraw draw(operation, limit);
    const DrillForm lineForm = formFor(operation, form);
    const int questions = draw.distinctPairs(questionCount);
    PairHistory history;
    std::string html;
    for (int question = 1; question <= questions; ++question) {
        const OperandPair pair = draw.next(random, history);
        html += questionLine(random, operation, lineForm, question, pair);
    }
    return html + kFinishButton + "<br><br>";
}

bool ArithmeticFamily::builds(const TopicTagParts& tag) const { return operationOf(tag.sigil).has_value(); }

bool ArithmeticFamily::marks(const std::string& gradingKey) const {
    for (const char* prefix : {"q1", "q2", "q3", "q4"}) {
        if (gradingKey.starts_with(prefix)) return true;
    }
    return false;
}

void ArithmeticFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const Operation operation = *operationOf(click.tag.sigil);
    if (click.tag.number == 0) {
        sheet.html += operatorIntroduction(operation);
        return;
    }
    const SheetOptions& options = context.options;
    sheet.html += arithmeticSheetHtml(context.random, operation, click.tag.number, options.drillForm,
                                      options.questionCount);
}

std::optional<MarkedSheet> ArithmeticFamily::mark(FamilyContext& context, const std::string&) {
    return gradeArithmeticPage(context.page, context.options.questionCount, context.thinkSeconds);
}

TopicSections ArithmeticFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T1") return {};
    return {{{
        {"q1", "加法", "+0", ""},
        {"q11", "10以内加法", "+10", "q1"},
        {"q17", "20以内加法", "+20", "q1"},
        {"q12", "50以内加法", "+50", "q1"},
        {"q13", "100以内加法", "+100", "q1"},
        {"q14", "500以内加法", "+500", "q1"},
        {"q15", "1000以内加法", "+1000", "q1"},
        {"q16", "5000以内加法", "+5000", "q1"},
        {"q2", "减法", "-0", ""},
        {"q21", "10以内减法", "-10", "q2"},
        {"q27", "20以内减法", "-20", "q2"},
        {"q22", "50以内减法", "-50", "q2"},
        {"q23", "100以内减法", "-100", "q2"},
        {"q24", "500以内减法", "-500", "q2"},
        {"q25", "1000以内减法", "-1000", "q2"},
        {"q26", "5000以内减法", "-5000", "q2"},
        {"q3", "乘法", "×0", ""},
        {"q31", "一位数乘法", "×81", "q3"},
        {"q32", "100内两位数乘一位数", "×100", "q3"},
        {"q38", "250内两位数乘一位数", "×250", "q3"},
        {"q39", "250内两位数乘两位数", "×251", "q3"},
        {"q33", "500内两位数乘一位数", "×500", "q3"},
        {"q37", "500内两位数乘两位数", "×501", "q3"},
        {"q34", "1000以内乘法", "×1000", "q3"},
        {"q35", "5000以内乘法", "×5000", "q3"},
        {"q36", "10000以内乘法", "×10000", "q3"},
        {"q4", "除法", "÷0", ""},
        {"q41", "81以内除法", "÷81", "q4"},
        {"q42", "100以内除法", "÷100", "q4"},
        {"q43", "500以内除法", "÷500", "q4"},
        {"q44", "1000以内除法", "÷1000", "q4"},
        {"q45", "5000以内除法", "÷5000", "q4"},
        {"q46", "10000以内除法", "÷10000", "q4"},
    }}};
}

}  // namespace tally
