// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/arithmetic.h"

#include "sheets/drill_lines.h"
#include "sheets/marking.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

// Vertical and inequality lines exist for sums and differences only, the
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

}  // namespace tally
