#include "levelgame/level_game.h"

#include <array>

#include "levelgame/level_page.h"
#include "levelgame/level_run.h"
#include "shell/text.h"

namespace tally {
namespace {

constexpr std::array<int, 3> kDifficultyMs = {9000, 7000, 5000};
constexpr int kChoiceTopic = 5111;

std::string radioName(const char* stem, int number) { return stem + std::to_string(number); }

// A passed level: ten questions in a row, all right. The level game keeps no
// time of its own (each question has its limit), so none is stored.
MarkedSheet passedLevel() {
    MarkedSheet marks;
    for (int question = 0; question < 10; ++question) marks.markRight();
    marks.score = 100;
    return marks;
}

}  // namespace

bool LevelGameFamily::builds(const TopicTagParts& tag) const {
    return tag.sigil == "{" && (tag.number == kChoiceTopic || between(tag.number, 511102, 511105));
}

void LevelGameFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int msPerQuestion = context.options.msPerQuestion;
    sheet.html += levelSetupPage(msPerQuestion);
    const std::string key = std::to_string(click.tag.number);
    const int operation = levelOperation(key);
    if (operation < 0) return;  // the parent topic: the difficulty choice only

    state_.gameKey = key;
    resetLevelRun(context, state_);
    context.timers.setEnabled(kLevelTimer, true);
    sheet.html += levelStartNotice(msPerQuestion);
    // A new run starts in the first range, whatever level the operation is at.
    state_.numberLimit = (operation == kLevelAddition || operation == kLevelSubtraction) ? 10 : 31;
}

void LevelGameFamily::tick(FamilyContext& context) { levelTick(context, state_); }

void LevelGameFamily::countdown(FamilyContext& context) { levelCountdown(context, state_); }

std::optional<MarkedSheet> LevelGameFamily::rightAnswer(FamilyContext& context, int operation) {
    Page& page = context.page;
    page.setTag("answerguoguan", "");  // a second click on any choice is wrong
    state_.levelScore += 10;
    page.insertTextAfter("answerguoguan", "(√)" + std::to_string(state_.levelScore));
    page.insertHtmlAfter("spanguan", kProgressBlock);
    if (state_.levelScore != 100) return std::nullopt;

    context.ui.message("提示", "恭喜，你得到了100分，可以进入下一关了！");
    ++state_.levelCounter[operation];
    page.setBody(levelPassedPage(state_.levelCounter[operation] + 1, state_.levelCounter));
    updateLevelLimit(context, state_);
    resetLevelRun(context, state_);
    context.timers.setEnabled(kLevelTimer, true);
    return passedLevel();
}

void LevelGameFamily::wrongAnswer(FamilyContext& context) {
    context.page.insertTextAfter("answerguoguan", "(×)");
    context.ui.message("提示", "你答错了，只好从头开始了！");
    restartLevel(context, state_);
}

std::optional<MarkedSheet> LevelGameFamily::chooseAnswer(FamilyContext& context, int radio) {
    Page& page = context.page;
    const int operation = levelOperation(state_.gameKey);
    const std::string chosen = radioName("R", radio);
    if (operation < 0 || !page.has(chosen) || !page.has("answerguoguan")) return std::nullopt;

    for (int k = 1; k <= 4; ++k) page.setChecked(radioName("R", k), k == radio);
    page.setValue("answerguoguan", page.tag(chosen));
    if (page.tag("answerguoguan") == page.value("answerguoguan")) return rightAnswer(context, operation);
    wrongAnswer(context);
    return std::nullopt;
}

void LevelGameFamily::chooseDifficulty(FamilyContext& context, int choice) {
    Page& page = context.page;
    if (choice < 1 || choice > 3 || !page.has(radioName("n", choice))) return;
    context.options.msPerQuestion = kDifficultyMs[choice - 1];
    // The three radios have different names, so the page does not group them.
    for (int k = 1; k <= 3; ++k) page.setChecked(radioName("n", k), k == choice);
}

}  // namespace tally
