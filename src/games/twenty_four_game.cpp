#include "games/twenty_four_game.h"

#include "games/cards.h"
#include "games/twenty_four_solver.h"
#include "sheets/grade_branches.h"
#include "sheets/sheet.h"
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

// The child's entries are not marked: every solution of the deal on screen is
// shown, one a line, and the time follows the last one in the same sentence.
void gradeTwentyFour(Form1& form) {
    std::string list;
    for (const std::string& solution : form.twentyFour.solutions) list += (list.empty() ? "" : "<br>") + solution;
    form.page().insertHtmlAfter("finish", "<br>正确答案:<br>" + list + "，用时" +
                                              std::to_string(form.thinkSeconds) + "秒！");
}

}  // namespace tally
