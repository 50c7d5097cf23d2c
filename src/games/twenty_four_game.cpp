// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/twenty_four_game.h"

#include "games/cards.h"
#include "games/twenty_four_check.h"
#include "games/twenty_four_display.h"
#include "games/twenty_four_solver.h"
#include "sheets/mark_texts.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"

namespace tally {
namespace {

constexpr const char* kAnswerField = "answer";

std::string handText(const std::array<int, 4>& cards) {
    std::string text;
    for (int card : cards) text += (text.empty() ? "" : "、") + std::to_string(card);
    return text;
}

}  // namespace

void dealTwentyFour(RandomSource& random, TwentyFourDeal& deal) {
    TwentyFourSolver solver;
    do {
        for (int& card : deal.cards) card = drawInt(random, 10, 1);
        deal.suit = drawInt(random, 4, 1);
        solver.initnextGG(deal.cards, deal.solutions);
    } while (deal.solutions.empty());
    deal.ways = distinctTwentyFours(deal.cards);
}

std::string twentyFourPage(const TwentyFourDeal& deal) {
    const auto& cards = deal.cards;
    std::string html = "<h1>拍24点</h1><p>四张牌上的数，每张用一次，用＋、－、×、÷和括号算出24。</p>";
    html += cardPicture(cards[0], deal.suit) + cardPicture(cards[1], deal.suit) + "<br>" +
            cardPicture(cards[2], deal.suit) + cardPicture(cards[3], deal.suit) + "<br><br>";
    html += "这四张牌有" + std::to_string(deal.ways.size()) + "种不同的算法，找到一种就很棒！<br><br>";
    // The box's tag holds a way, as every answer field holds its answer; the
    // marking works the expression out instead.
    const std::string way = deal.ways.empty() ? deal.solutions.front() : deal.ways.front();
    html += std::string("算式：<input class=text name=") + kAnswerField + " type=text size=27 tag=\"" + way +
            "\" autofocus><br><br>";
    return html + kFinishButton + "&nbsp;&nbsp;" + againButton("换一副牌") + "<br><br>";
}

void TwentyFourFamily::build(FamilyContext& context, const TopicClick&, Sheet& sheet) {
    dealTwentyFour(context.random, deal_);
    sheet.html += twentyFourPage(deal_);
}

// The expression is marked by computing it, so any right one counts; then
// every way of the deal on screen is shown, and the time. A box left empty
// shows the ways but is not kept in the record.
std::optional<MarkedSheet> TwentyFourFamily::mark(FamilyContext& context, const std::string&) {
    Page& page = context.page;
    if (!page.has(kAnswerField)) return std::nullopt;
    const std::string typed = foldTypedAnswer(page.value(kAnswerField));
    const bool answered = !typed.empty();
    const bool right = answered && makesTwentyFour(typed, deal_.cards);
    if (answered) page.insertTextAfter(kAnswerField, right ? kRightMark : kWrongMark);

    std::string after = "<br>";
    if (showsAnswers(context)) {
        after += "这四张牌一共有" + std::to_string(deal_.ways.size()) + "种不同的算法：<br>";
        for (const std::string& way : deal_.ways) after += way + "＝24<br>";
    }
    page.insertHtmlAfter(kAgainButtonName, after + "用时" + std::to_string(context.thinkSeconds) + "秒！");
    if (!answered) return std::nullopt;

    MarkedSheet marks;
    const std::string shown = deal_.ways.empty() ? deal_.solutions.front() : deal_.ways.front();
    marks.mark(right, "用" + handText(deal_.cards) + "算24", typed, shown);
    marks.score = right ? 100 : 0;
    marks.seconds = context.thinkSeconds;
    return marks;
}

TopicSections TwentyFourFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T10") return {};
    return {{{
        {"q61", "拍24点", "!61", "q6"},
    }, "q6"}};
}

}  // namespace tally
