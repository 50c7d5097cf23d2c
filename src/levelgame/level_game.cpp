// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelgame/level_game.h"

#include <array>

#include "levelgame/level_page.h"
#include "levelgame/level_run.h"
#include "base/text.h"

namespace tally {
namespace {

constexpr std::array<int, 3> kDifficultyMs = {9000, 7000, 5000};
constexpr int kChoiceTopic = 5111;

std::string radioName(const char* stem, int number) { return stem + std::to_string(number); }

}  // namespace

bool LevelGameFamily::builds(const TopicTagParts& tag) const {
    return tag.sigil == "{" && (tag.number == kChoiceTopic || between(tag.number, 511102, 511105));
}

void LevelGameFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const std::string key = std::to_string(click.tag.number);
    const int operation = levelOperation(key);
    if (operation < 0) {  // the parent topic: the difficulty choice only
        sheet.html += levelSetupPage(context.options.msPerQuestion);
        return;
    }
    state_.gameKey = key;
    resetLevelRun(context, state_);
    // A new run starts in the first range, whatever level the operation is at.
    state_.numberLimit = (operation == kLevelAddition || operation == kLevelSubtraction) ? 10 : 31;
    sheet.html += nextQuestionPage(context, state_, operation);
}

std::optional<MarkedSheet> LevelGameFamily::tick(FamilyContext& context, int timer) {
    if (timer == kLevelTimer) levelTick(context, state_);
    if (timer == kCountdownTimer) levelCountdown(context, state_);
    return std::nullopt;
}

void LevelGameFamily::mouseDown(FamilyContext& context, const std::string& gradingKey) {
    mouseBinding_.generation = context.page.generation();
    const std::string game = "q" + std::to_string(kChoiceTopic);
    mouseBinding_.answers = gradingKey.size() == 7 && gradingKey.starts_with(game + "0") && gradingKey[6] >= '2' &&
                            gradingKey[6] <= '5';
    mouseBinding_.difficulty = gradingKey.starts_with(game);
}

std::optional<MarkedSheet> LevelGameFamily::mouseUp(FamilyContext& context, const std::string& elementName) {
    if (mouseBinding_.generation != context.page.generation() || elementName.size() != 2) return std::nullopt;
    const int number = elementName[1] - '0';
    if (mouseBinding_.answers && elementName[0] == 'R' && number >= 1 && number <= 4) {
        return chooseAnswer(context, number);
    }
    if (mouseBinding_.difficulty && elementName[0] == 'n' && number >= 1 && number <= 3) {
        chooseDifficulty(context, number);
    }
    return std::nullopt;
}

bool LevelGameFamily::questionOnPage(const FamilyContext& context) const {
    return levelOperation(state_.gameKey) >= 0 && state_.questionOpen && context.page.has("answerguoguan");
}

void LevelGameFamily::choose(FamilyContext& context, int radio) {
    Page& page = context.page;
    for (int k = 1; k <= 4; ++k) page.setChecked(radioName("R", k), k == radio);
    page.setValue("answerguoguan", page.tag(radioName("R", radio)));
    state_.chosen = radio;
}

std::optional<MarkedSheet> LevelGameFamily::chooseAnswer(FamilyContext& context, int radio) {
    if (!questionOnPage(context) || radio < 1 || radio > 4 || !context.page.has(radioName("R", radio))) {
        return std::nullopt;
    }
    choose(context, radio);
    return answerLevelQuestion(context, state_, context.page.value("answerguoguan"));
}

std::optional<MarkedSheet> LevelGameFamily::keyPressed(FamilyContext& context, const std::string& key) {
    if (!questionOnPage(context)) return std::nullopt;
    if (key == "Enter") return answerLevelQuestion(context, state_, context.page.value("answerguoguan"));
    const int chosen = state_.chosen;
    int radio = 0;
    if (key.size() == 1 && key[0] >= '1' && key[0] <= '4') {
        radio = key[0] - '0';
    } else if (key == "ArrowRight" || key == "ArrowDown") {
        radio = chosen % 4 + 1;
    } else if (key == "ArrowLeft" || key == "ArrowUp") {
        radio = chosen <= 1 ? 4 : chosen - 1;
    }
    if (radio != 0) choose(context, radio);
    return std::nullopt;
}

void LevelGameFamily::chooseDifficulty(FamilyContext& context, int choice) {
    Page& page = context.page;
    if (choice < 1 || choice > 3 || !page.has(radioName("n", choice))) return;
    context.options.msPerQuestion = kDifficultyMs[choice - 1];
    // The three radios have different names, so the page does not group them.
    for (int k = 1; k <= 3; ++k) page.setChecked(radioName("n", k), k == choice);
}

void LevelGameFamily::leave(FamilyContext& context) {
    context.timers.setEnabled(kLevelTimer, false);
    context.timers.setEnabled(kCountdownTimer, false);
    const int operation = levelOperation(state_.gameKey);
    state_.gameKey = "000";
    state_.questionOpen = false;
    if (operation >= 0 && context.page.has(kLevelPageId)) {
        context.page.setBody(levelLeftPage(levelOperationCaption(operation)));
    }
}

TopicSections LevelGameFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T1") return {};
    return {{{
        {"q5111", "算术过关游戏", "{5111", ""},
        {"q511102", "加法", "{511102", "q5111"},
        {"q511103", "减法", "{511103", "q5111"},
        {"q511104", "乘法", "{511104", "q5111"},
        {"q511105", "除法", "{511105", "q5111"},
    }}};
}

}  // namespace tally
