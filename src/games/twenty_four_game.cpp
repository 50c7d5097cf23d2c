#include "games/twenty_four_game.h"

#include "games/cards.h"
#include "games/twenty_four_check.h"
#include "games/twenty_four_solver.h"
#include "sheets/grade_arithmetic.h"
#include "sheets/grade_branches.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"
#include "shell/form1.h"

namespace tally {

void dealTwentyFour(RandomSource& random, TwentyFourState& state) {
    TwentyFourSolver solver;
    do {
        for (int& card : state.cards) card = drawInt(random, 10, 1);
        state.suit = drawInt(random, 4, 1);
        solver.initnextGG(state.cards, state.solutions);
    } while (state.solutions.empty());
}

std::string twentyFourPage(const TwentyFourState& state) {
    const auto& cards = state.cards;
    std::string html = cardPicture(cards[0], state.suit) + cardPicture(cards[1], state.suit) + "<br>" +
                       cardPicture(cards[2], state.suit) + cardPicture(cards[3], state.suit) + "<br><br>";
    html += "一共有" + std::to_string(state.solutions.size()) + "种答案！<br>";
    for (size_t i = 1; i <= state.solutions.size(); ++i) {
        const std::string number = std::to_string(i);
        html += number + "：<input class=text name=answer" + number + " type=text size=27 tag=" +
                state.solutions[i - 1] + ">" + "<br>";
    }
    return html + kFinishButton + "<br><br>";
}

void buildTwentyFourPage(Form1& form, Sheet& sheet) {
    dealTwentyFour(form.random(), form.twentyFour);
    sheet.html += twentyFourPage(form.twentyFour);
}

// Each filled box is marked by computing it, so any right expression counts,
// not only the texts of the list; then every solution of the deal on screen
// is shown, the time closing the same sentence.
void gradeTwentyFour(Form1& form) {
    Page& page = form.page();
    SheetMarks marks;
    for (size_t i = 1; i <= form.twentyFour.solutions.size(); ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string typed = page.value(field);
        if (!page.has(field) || foldTypedAnswer(typed).empty()) continue;
        const bool right = makesTwentyFour(typed, form.twentyFour.cards);
        page.insertTextAfter(field, right ? "(√)" : "(×)");
        marks.mark(right, questionLabel(static_cast<int>(i)), typed, form.twentyFour.solutions[i - 1]);
    }
    std::string list;
    for (const std::string& solution : form.twentyFour.solutions) {
        list += (list.empty() ? "" : "<br>") + solution;
    }
    page.insertHtmlAfter("finish", "<br>正确答案:<br>" + list + "，用时" + std::to_string(form.thinkSeconds) + "秒！");
    // Only the filled boxes count: a deal left empty is not stored.
    if (marks.questions == 0) return;
    marks.score = arithmeticScore(marks.right, marks.questions, marks.questions);
    marks.seconds = form.thinkSeconds;
    form.recordSheet(marks);
}

}  // namespace tally
