#include "levelgame/level_run.h"

#include <array>

#include "levelgame/level_page.h"
#include "levelgame/level_pairs.h"
#include "sheets/families.h"
#include "sheets/topic_tag.h"
#include "shell/form1.h"

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

void showQuestion(Form1& form, int operation) {
    LevelGameState& state = form.level;
    const LevelPair pair =
        drawLevelPair(form.random(), operation, state.numberLimit, state.usedPairs[operation]);
    LevelQuestion question = levelQuestion(operation, pair);
    question.level = state.levelCounter[operation] + 1;
    question.number = state.questionNo;
    question.shift = form.draw(4, 0);
    form.page().setBody(levelQuestionPage(question));
    for (int block = 0; block < state.levelScore / 10; ++block) {
        form.page().insertHtmlAfter("spanguan", kProgressBlock);
    }
}

}  // namespace

int levelOperation(const std::string& gameKey) {
    const int operation = leadingNumber(gameKey) - kFirstLevelKey;
    return (operation >= kLevelAddition && operation <= kLevelDivision) ? operation : -1;
}

void ResetLevelRun(Form1& form) {
    LevelGameState& state = form.level;
    state.questionNo = 0;
    state.levelScore = 0;
    form.timers.setInterval(kLevelTimer, kFirstQuestionMs);
    for (std::string& used : state.usedPairs) used.clear();
    form.timers.setEnabled(kCountdownTimer, false);
}

void UpdateLevelLimit(Form1& form) {
    form.timers.setEnabled(kCountdownTimer, false);
    applyLimitRules(form.level);
}

void restartLevel(Form1& form) {
    form.page().setBody(kLevelRetryPage);
    ResetLevelRun(form);
    form.timers.setEnabled(kLevelTimer, true);
}

void onLevelTick(Form1& form) {
    const int operation = levelOperation(form.gameKey);
    if (form.gameKey.compare(0, 5, "51110") != 0 || operation < 0) {
        form.timers.setEnabled(kLevelTimer, false);
        return;
    }
    LevelGameState& state = form.level;
    form.timers.setInterval(kLevelTimer, form.msPerQuestion);
    if (++state.questionNo == 10) form.timers.setEnabled(kLevelTimer, false);
    state.countdownSeconds = form.msPerQuestion / 1000;
    form.timers.setEnabled(kCountdownTimer, true);
    showQuestion(form, operation);
    // Every question shown after the first must follow a right answer.
    if (state.questionNo * 10 != state.levelScore + 10) {
        form.ui().message("提示", "规定时间没有答出题，只好从头开始了！");
        restartLevel(form);
    }
}

void onLevelCountdown(Form1& form) {
    LevelGameState& state = form.level;
    if (state.countdownSeconds < 2) {
        form.timers.setEnabled(kCountdownTimer, false);
        state.countdownSeconds = 0;
        return;
    }
    --state.countdownSeconds;
    form.page().setInnerHtml("spanguan", std::to_string(state.countdownSeconds) + "秒");
}

}  // namespace tally
