#include "levelgame/level_run.h"

#include <array>

#include "levelgame/level_page.h"
#include "levelgame/level_pairs.h"
#include "shell/topic_tag.h"

namespace tally {
namespace {

constexpr int kFirstQuestionMs = 9000;
constexpr int kFirstLevelKey = 511102;

// Later rules override earlier ones; a range no rule names keeps its value.
void applyLimitRules(LevelGameState& state) {
    const auto& counter = state.levelCounter;
    constexpr std::array<int, 4> kAddSubtractLimits = {20, 50, 100, 200};
    for (int level = 1; level <= 4; ++level) {
        if (counter[kLevelAddition] == level || counter[kLevelSubtraction] == level) {
            state.numberLimit = kAddSubtractLimits[level - 1];
        }
    }
    for (int operation : {kLevelMultiplication, kLevelDivision}) {
        if (counter[operation] == 1) state.numberLimit = 50;
        if (counter[operation] == 2) state.numberLimit = 81;
    }
}

void showQuestion(FamilyContext& context, LevelGameState& state, int operation) {
    const LevelPair pair =
        drawLevelPair(context.random, operation, state.numberLimit, state.usedPairs[operation]);
    LevelQuestion question = levelQuestion(operation, pair);
    question.level = state.levelCounter[operation] + 1;
    question.number = state.questionNo;
    question.shift = context.draw(4, 0);
    context.page.setBody(levelQuestionPage(question));
    for (int block = 0; block < state.levelScore / 10; ++block) {
        context.page.insertHtmlAfter("spanguan", kProgressBlock);
    }
}

}  // namespace

int levelOperation(const std::string& gameKey) {
    const int operation = leadingNumber(gameKey) - kFirstLevelKey;
    return (operation >= kLevelAddition && operation <= kLevelDivision) ? operation : -1;
}

void resetLevelRun(FamilyContext& context, LevelGameState& state) {
    state.questionNo = 0;
    state.levelScore = 0;
    context.timers.setInterval(kLevelTimer, kFirstQuestionMs);
    for (std::string& used : state.usedPairs) used.clear();
    context.timers.setEnabled(kCountdownTimer, false);
}

void updateLevelLimit(FamilyContext& context, LevelGameState& state) {
    context.timers.setEnabled(kCountdownTimer, false);
    applyLimitRules(state);
}

void restartLevel(FamilyContext& context, LevelGameState& state) {
    context.page.setBody(kLevelRetryPage);
    resetLevelRun(context, state);
    context.timers.setEnabled(kLevelTimer, true);
}

void levelTick(FamilyContext& context, LevelGameState& state) {
    const int operation = levelOperation(state.gameKey);
    if (state.gameKey.compare(0, 5, "51110") != 0 || operation < 0) {
        context.timers.setEnabled(kLevelTimer, false);
        return;
    }
    context.timers.setInterval(kLevelTimer, context.options.msPerQuestion);
    if (++state.questionNo == 10) context.timers.setEnabled(kLevelTimer, false);
    state.countdownSeconds = context.options.msPerQuestion / 1000;
    context.timers.setEnabled(kCountdownTimer, true);
    showQuestion(context, state, operation);
    // Every question shown after the first must follow a right answer.
    if (state.questionNo * 10 != state.levelScore + 10) {
        context.ui.message("提示", "规定时间没有答出题，只好从头开始了！");
        restartLevel(context, state);
    }
}

void levelCountdown(FamilyContext& context, LevelGameState& state) {
    if (state.countdownSeconds < 2) {
        context.timers.setEnabled(kCountdownTimer, false);
        state.countdownSeconds = 0;
        return;
    }
    --state.countdownSeconds;
    context.page.setInnerHtml("spanguan", std::to_string(state.countdownSeconds) + "秒");
}

}  // namespace tally
