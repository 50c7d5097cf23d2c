#include "games/memory_game.h"

#include "games/cards.h"
#include "sheets/mark_texts.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"

namespace tally {
namespace {

constexpr int kCards = 8;

}  // namespace

void MemoryGameFamily::build(FamilyContext& context, const TopicClick&, Sheet& sheet) {
    const std::string seconds = std::to_string(context.options.memoryTime);
    context.timers.setEnabled(kMemoryTimer, true);
    // Every game counts down from the full time, even after a page left mid-count.
    elapsed_ = 0;
    std::string html = "你有" + seconds + "秒记忆下面的牌：<input class=text name=miao" +
                       " type=text size=27 value=" + seconds + ">" + "<br><br>" + "<a name=img8>";
    std::string sequence;
    for (int card = 0; card < kCards; ++card) {
        const int value = context.draw(10, 1);
        const int suit = context.draw(4, 1);
        html += cardPicture(value, suit);
        sequence += std::to_string(value);
    }
    html += "</a>" + std::string("<br><br>把牌数填入文本框：<input class=text name=answer") +
            " type=text size=27 tag=" + sequence + ">" + "<br>";
    sheet.html += html + "<br>" + kFinishButton + "<br><br>";
}

void MemoryGameFamily::tick(FamilyContext& context) {
    const int left = context.options.memoryTime - ++elapsed_;
    // The memory time may be shortened in the options while the count runs:
    // the cards are turned as soon as no time is left, never missed.
    context.page.setValue("miao", std::to_string(left > 0 ? left : 0));
    if (left > 0) return;
    std::string backs;
    for (int card = 0; card < kCards; ++card) backs += "<img src=24/pp.gif>";
    context.page.setInnerHtml("img8", backs);
    context.timers.setEnabled(kMemoryTimer, false);
    elapsed_ = 0;
}

std::optional<MarkedSheet> MemoryGameFamily::mark(FamilyContext& context, const std::string&) {
    Page& page = context.page;
    const std::string sequence = page.tag("answer");
    page.insertHtmlAfter("finish", "<br>正确答案:<br>" + sequence + "，用时" + std::to_string(context.thinkSeconds) +
                                       "秒！");
    const std::string typed = foldTypedAnswer(page.value("answer"));
    page.insertTextAfter("answer", typed == sequence ? kRightMark : kWrongMark);
    MarkedSheet marks;
    marks.mark(typed == sequence, questionLabel(1), typed, sequence);
    marks.score = marks.right * 100;
    marks.seconds = context.thinkSeconds;
    return marks;
}

}  // namespace tally
