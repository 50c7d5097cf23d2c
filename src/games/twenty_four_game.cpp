#include "games/twenty_four_game.h"

#include "games/cards.h"
#include "games/twenty_four_check.h"
#include "games/twenty_four_solver.h"
#include "sheets/mark_texts.h"
#include "sheets/marking.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"

namespace tally {

void dealTwentyFour(RandomSource& random, TwentyFourDeal& deal) {
    TwentyFourSolver solver;
    do {
        for (int& card : deal.cards) card = drawInt(random, 10, 1);
        deal.suit = drawInt(random, 4, 1);
        solver.initnextGG(deal.cards, deal.solutions);
    } while (deal.solutions.empty());
}

std::string twentyFourPage(const TwentyFourDeal& deal) {
    const auto& cards = deal.cards;
    std::string html = cardPicture(cards[0], deal.suit) + cardPicture(cards[1], deal.suit) + "<br>" +
                       cardPicture(cards[2], deal.suit) + cardPicture(cards[3], deal.suit) + "<br><br>";
    html += "一共有" + std::to_string(deal.solutions.size()) + "种答案！<br>";
    for (size_t i = 1; i <= deal.solutions.size(); ++i) {
        const std::string number = std::to_string(i);
        html += number + "：<input class=text name=answer" + number + " type=text size=27 tag=" +
                deal.solutions[i - 1] + ">" + "<br>";
    }
    return html + kFinishButton + "<br><br>";
}

void TwentyFourFamily::build(FamilyContext& context, const TopicClick&, Sheet& sheet) {
    dealTwentyFour(context.random, deal_);
    sheet.html += twentyFourPage(deal_);
}

// Each filled box is marked by computing it, so any right expression counts,
// not only the texts of the list; then every solution of the deal on screen
// is shown, the time closing the same sentence.
std::optional<MarkedSheet> TwentyFourFamily::mark(FamilyContext& context, const std::string&) {
    Page& page = context.page;
    MarkedSheet marks;
    for (size_t i = 1; i <= deal_.solutions.size(); ++i) {
        const std::string field = "answer" + std::to_string(i);
        const std::string typed = page.value(field);
        if (!page.has(field) || foldTypedAnswer(typed).empty()) continue;
        const bool right = makesTwentyFour(typed, deal_.cards);
        page.insertTextAfter(field, right ? kRightMark : kWrongMark);
        marks.mark(right, questionLabel(static_cast<int>(i)), typed, deal_.solutions[i - 1]);
    }
    std::string list;
    for (const std::string& solution : deal_.solutions) {
        list += (list.empty() ? "" : "<br>") + solution;
    }
    page.insertHtmlAfter("finish",
                         "<br>正确答案:<br>" + list + "，用时" + std::to_string(context.thinkSeconds) + "秒！");
    // Only the filled boxes count: a deal left empty is not stored.
    if (marks.questions == 0) return std::nullopt;
    marks.score = arithmeticScore(marks.right, marks.questions, marks.questions);
    marks.seconds = context.thinkSeconds;
    return marks;
}

}  // namespace tally
