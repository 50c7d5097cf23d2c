#include <array>

#include "levelgame/level_page.h"
#include "levelgame/level_run.h"
#include "sheets/families.h"
#include "shell/form1.h"

namespace tally {
namespace {

constexpr std::array<int, 3> kDifficultyMs = {9000, 7000, 5000};

std::string radioName(const char* stem, int number) { return stem + std::to_string(number); }

// A passed level: ten questions in a row, all right. The level game keeps no
// time of its own (each question has its limit), so none is stored.
SheetMarks passedLevel() {
    SheetMarks marks;
    for (int question = 0; question < 10; ++question) marks.markRight();
    marks.score = 100;
    return marks;
}

void rightAnswer(Form1& form, int operation) {
    Page& page = form.page();
    LevelGameState& state = form.level;
    page.setTag("answerguoguan", "");  // a second click on any choice is wrong
    state.levelScore += 10;
    page.insertTextAfter("answerguoguan", "(√)" + std::to_string(state.levelScore));
    page.insertHtmlAfter("spanguan", kProgressBlock);
    if (state.levelScore != 100) return;

    form.ui().message("提示", "恭喜，你得到了100分，可以进入下一关了！");
    form.recordSheet(passedLevel());
    ++state.levelCounter[operation];
    page.setBody(levelPassedPage(state.levelCounter[operation] + 1, state.levelCounter));
    UpdateLevelLimit(form);
    ResetLevelRun(form);
    form.timers.setEnabled(kLevelTimer, true);
}

void wrongAnswer(Form1& form) {
    form.page().insertTextAfter("answerguoguan", "(×)");
    form.ui().message("提示", "你答错了，只好从头开始了！");
    restartLevel(form);
}

}  // namespace

void buildLevelGamePage(Form1& form, int topic, Sheet& sheet) {
    sheet.html += levelSetupPage(form.msPerQuestion);
    const std::string key = std::to_string(topic);
    const int operation = levelOperation(key);
    if (operation < 0) return;  // the parent topic: the difficulty choice only

    form.gameKey = key;
    ResetLevelRun(form);
    form.timers.setEnabled(kLevelTimer, true);
    sheet.html += levelStartNotice(form.msPerQuestion);
    // A new run starts in the first range, whatever level the operation is at.
    form.level.numberLimit = (operation == kLevelAddition || operation == kLevelSubtraction) ? 10 : 31;
}

void chooseLevelAnswer(Form1& form, int radio) {
    Page& page = form.page();
    const int operation = levelOperation(form.gameKey);
    const std::string chosen = radioName("R", radio);
    if (operation < 0 || !page.has(chosen) || !page.has("answerguoguan")) return;

    for (int k = 1; k <= 4; ++k) page.setChecked(radioName("R", k), k == radio);
    page.setValue("answerguoguan", page.tag(chosen));
    if (page.tag("answerguoguan") == page.value("answerguoguan")) {
        rightAnswer(form, operation);
    } else {
        wrongAnswer(form);
    }
}

void chooseLevelDifficulty(Form1& form, int choice) {
    Page& page = form.page();
    if (choice < 1 || choice > 3 || !page.has(radioName("n", choice))) return;
    form.msPerQuestion = kDifficultyMs[choice - 1];
    // The three radios have different names, so the page does not group them.
    for (int k = 1; k <= 3; ++k) page.setChecked(radioName("n", k), k == choice);
}

}  // namespace tally
