#include "games/memory_game.h"

#include "games/cards.h"
#include "sheets/families.h"
#include "sheets/grade_branches.h"
#include "sheets/sheet.h"
#include "sheets/typed_answer.h"
#include "shell/form1.h"

namespace tally {
namespace {

constexpr int kCards = 8;
constexpr int kMemoryTimer = 2;

}  // namespace

void buildMemoryGamePage(Form1& form, Sheet& sheet) {
    const std::string seconds = std::to_string(form.memoryTime);
    form.timers.setEnabled(kMemoryTimer, true);
    // Every game counts down from the full time, even after a page left mid-count.
    form.memoryGame.elapsed = 0;

    std::string html = "你有" + seconds + "秒记忆下面的牌：<input class=text name=miao" +
                       " type=text size=27 value=" + seconds + ">" + "<br><br>" + "<a name=img8>";
    std::string sequence;
    for (int card = 0; card < kCards; ++card) {
        const int value = form.draw(10, 1);
        const int suit = form.draw(4, 1);
        html += cardPicture(value, suit);
        sequence += std::to_string(value);
    }
    html += "</a>" + std::string("<br><br>把牌数填入文本框：<input class=text name=answer") +
            " type=text size=27 tag=" + sequence + ">" + "<br>";
    sheet.html += html + "<br>" + kFinishButton + "<br><br>";
}

void onMemoryTick(Form1& form) {
    const int left = form.memoryTime - ++form.memoryGame.elapsed;
    // The memory time may be shortened in the options while the count runs:
    // the cards are turned as soon as no time is left, never missed.
    form.page().setValue("miao", std::to_string(left > 0 ? left : 0));
    if (left > 0) return;
    std::string backs;
    for (int card = 0; card < kCards; ++card) backs += "<img src=24/pp.gif>";
    form.page().setInnerHtml("img8", backs);
    form.timers.setEnabled(kMemoryTimer, false);
    form.memoryGame.elapsed = 0;
}

void gradeMemoryGame(Form1& form) {
    Page& page = form.page();
    const std::string sequence = page.tag("answer");
    page.insertHtmlAfter("finish", "<br>正确答案:<br>" + sequence + "，用时" + std::to_string(form.thinkSeconds) +
                                       "秒！");
    const std::string typed = foldTypedAnswer(page.value("answer"));
    page.insertTextAfter("answer", typed == sequence ? "(√)" : "(×)");
    SheetMarks marks;
    marks.mark(typed == sequence, questionLabel(1), typed, sequence);
    marks.score = marks.right * 100;
    marks.seconds = form.thinkSeconds;
    form.recordSheet(marks);
}

}  // namespace tally
