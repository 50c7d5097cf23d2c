#include "sheets/arithmetic.h"

#include "shell/form1.h"
#include "sheets/drill_forms.h"
#include "sheets/families.h"

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

void buildArithmeticSheet(Form1& form, const std::string& sigil, int limit, Sheet& sheet) {
    const auto operation = operationOf(sigil);
    if (!operation) return;
    sheet.html += arithmeticSheetHtml(form.random(), *operation, limit, form.drillForm,
                                      form.questionCount);
}

}  // namespace tally
