// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/memory_game.h"

#include <algorithm>

#include "games/cards.h"
#include "sheets/mark_texts.h"
#include "sheets/marking.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"

namespace tally {
namespace {

constexpr const char* kCardsAnchor = "img8";

std::string boxName(size_t card) { return "answer" + std::to_string(card + 1); }

std::string cardName(size_t card) { return "第" + std::to_string(card + 1) + "张牌"; }

// A card face up, framed in red when the child wrote it wrong.
std::string shownCard(const std::pair<int, int>& card, bool wrong) {
    std::string picture = cardPicture(card.first, card.second);
    if (wrong) picture.insert(picture.size() - 1, " style=\"outline:3px solid #d00;outline-offset:-3px\"");
    return picture;
}

}  // namespace

void MemoryGameFamily::build(FamilyContext& context, const TopicClick&, Sheet& sheet) {
    const std::string seconds = std::to_string(context.options.memoryTime);
    context.timers.setEnabled(kMemoryTimer, true);
    // Every game counts down from the full time, even after a page left mid-count.
    elapsed_ = 0;
    dealt_.clear();
    std::string html = "<h1>训练记忆</h1><p>记住每张牌上的数。牌翻过去以后，按顺序把每张牌上的数填进方框里。</p>";
    html += "这一轮有" + std::to_string(cards_) + "张牌，你有" + seconds +
            "秒记住它们：<input class=text name=miao type=text size=3 value=" + seconds + "><br><br>" +
            "<a name=" + kCardsAnchor + ">";
    for (int card = 0; card < cards_; ++card) {
        const int value = context.draw(10, 1);
        const int suit = context.draw(4, 1);
        dealt_.emplace_back(value, suit);
        html += cardPicture(value, suit);
    }
    html += "</a><br><br>按顺序填入每张牌上的数：<br>";
    for (size_t card = 0; card < dealt_.size(); ++card) {
        html += std::string(card == 0 ? "" : "&nbsp;") + "<input class=text name=" + boxName(card) +
                " type=text size=2 tag=" + std::to_string(dealt_[card].first) + (card == 0 ? " autofocus>" : ">");
    }
    sheet.html += html + "<br><br>" + kFinishButton + "<br><br>";
}

std::optional<MarkedSheet> MemoryGameFamily::tick(FamilyContext& context, int /*timer*/) {
    const int left = context.options.memoryTime - ++elapsed_;
    // The memory time may be shortened in the options while the count runs:
    // the cards are turned as soon as no time is left, never missed.
    context.page.setValue("miao", std::to_string(left > 0 ? left : 0));
    if (left > 0) return std::nullopt;
    std::string backs;
    for (size_t card = 0; card < dealt_.size(); ++card) backs += "<img src=24/pp.gif>";
    context.page.setInnerHtml(kCardsAnchor, backs);
    context.timers.setEnabled(kMemoryTimer, false);
    elapsed_ = 0;
    return std::nullopt;
}

std::optional<MarkedSheet> MemoryGameFamily::mark(FamilyContext& context, const std::string&) {
    Page& page = context.page;
    if (dealt_.empty() || !page.has(boxName(0))) return std::nullopt;
    // Marked before the cards were turned: they stay as they are now.
    context.timers.setEnabled(kMemoryTimer, false);
    elapsed_ = 0;

    MarkedSheet marks;
    std::string cards;
    for (size_t card = 0; card < dealt_.size(); ++card) {
        const std::string box = boxName(card);
        const std::string right = std::to_string(dealt_[card].first);
        const std::string typed = foldTypedAnswer(page.value(box));
        const bool ok = typed == right;
        page.insertTextAfter(box, ok ? kRightMark : kWrongMark);
        marks.mark(ok, cardName(card), typed, right);
        cards += shownCard(dealt_[card], !ok);
    }
    const int played = static_cast<int>(dealt_.size());
    const bool passed = marks.right == played;
    cards_ = std::clamp(played + (passed ? 1 : -1), kFewestCards, kMostCards);

    std::string after = "<br>";
    if (showsAnswers(context)) {
        page.setInnerHtml(kCardsAnchor, cards);
        after += passed ? "全部记对了！" : "红框的牌记错了，上面是这一轮的牌。";
    } else {
        after += passed ? "全部记对了！" : "有的牌记错了。";
    }
    after += "这一轮" + std::to_string(played) + "张牌记对了" + std::to_string(marks.right) + "张，用时" +
             std::to_string(context.thinkSeconds) + "秒！<br>下一轮有" + std::to_string(cards_) + "张牌。" +
             againButton("再来一轮");
    page.insertHtmlAfter("finish", after);
    marks.score = arithmeticScore(marks.right, played, played);
    marks.seconds = context.thinkSeconds;
    return marks;
}

TopicSections MemoryGameFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T10") return {};
    return {{{
        {"q62", "训练记忆", "!62", "q6"},
    }, "q6"}};
}

}  // namespace tally
