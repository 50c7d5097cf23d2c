// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelgame/level_run.h"

#include <array>
#include <cmath>

#include "levelgame/level_page.h"
#include "levelgame/level_pairs.h"
#include "base/topic_tag.h"
#include "sheets/typed_answer.h"

namespace tally {
namespace {

constexpr int kFirstLevelKey = 511102;
// How long what happened stays on the page before the next question: a
// right answer, and a miss with its right answer to read.
constexpr int kAfterRightMs = 1000;
constexpr int kAfterMissMs = 2500;
// From the end of a level (after its message) to the first question of the next.
constexpr int kNextLevelMs = 3000;

// Whether the child is told the right answer of a missed question, or only
// that it was missed.
bool showsAnswers(const FamilyContext& context) { return context.showAnswers; }

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

// The engine's next tick after `ms`, whatever it was waiting for.
void nextTickIn(FamilyContext& context, int ms) {
    context.timers.setInterval(kLevelTimer, ms);
    context.timers.setEnabled(kLevelTimer, true);
}

// A whole number as typed, in any width; none for anything else.
std::optional<int> typedNumber(const std::string& typed) {
    const std::string text = foldTypedAnswer(typed);
    const size_t digitsFrom = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == digitsFrom || text.size() > digitsFrom + 6) return std::nullopt;
    int value = 0;
    for (size_t at = digitsFrom; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        value = value * 10 + (text[at] - '0');
    }
    return digitsFrom ? -value : value;
}

MarkedSheet passLevel(FamilyContext& context, LevelGameState& state, int operation) {
    context.window.message("提示", "恭喜，你答对了10道题，可以进入下一关了！");
    MarkedSheet marks;
    for (int right = 0; right < kLevelRightToPass; ++right) marks.markRight();
    for (MissedQuestion& miss : state.missed) {
        marks.markWrong(std::move(miss.question), std::move(miss.typed), std::move(miss.correct), miss.form);
    }
    marks.score = static_cast<int>(std::lround(100.0 * marks.right / marks.questions));
    marks.times = std::move(state.times);
    ++state.levelCounter[operation];
    context.page.setBody(levelPassedPage(state.levelCounter[operation] + 1, state.levelCounter));
    updateLevelLimit(context, state);
    resetLevelRun(context, state);
    nextTickIn(context, kNextLevelMs);
    return marks;
}

void loseLevel(FamilyContext& context, LevelGameState& state, int operation) {
    const int level = state.levelCounter[operation] + 1;
    context.window.message("提示", "三条命都用完了，第" + std::to_string(level) + "关要从头再来！");
    context.page.setBody(levelLostPage(level));
    resetLevelRun(context, state);
    nextTickIn(context, kNextLevelMs);
}

// A wrong answer or a time-out: a life less, and the level lost with the last one.
// The answer to the question on the page, timed from when it was shown; a
// question left to time out has no time.
void keepAnswerTime(FamilyContext& context, LevelGameState& state, bool right, const std::string& typed) {
    const std::optional<long long> ms =
        typed.empty() ? std::nullopt : std::optional<long long>(context.clock.milliseconds() - state.shownAtMs);
    state.times.push_back({"answerguoguan", {}, state.question + kAnswerBlank, right, ms, "", typed});
}

void missQuestion(FamilyContext& context, LevelGameState& state, const std::string& typed, const std::string& what) {
    Page& page = context.page;
    const std::string answer = std::to_string(state.answer);
    keepAnswerTime(context, state, false, typed);
    page.insertTextAfter("answerguoguan", "(×)");
    state.missed.push_back({state.question + kAnswerBlank, typed, answer, AnswerForm::One, {}, {}});
    --state.lives;
    page.setInnerHtml("lives", livesHtml(state.lives));
    if (state.lives <= 0) return loseLevel(context, state, levelOperation(state.gameKey));
    const std::string told = showsAnswers(context) ? "正确答案是" + answer + "。" : "";
    page.setInnerHtml("feedback", what + told + "还有" + std::to_string(state.lives) + "条命。");
    nextTickIn(context, kAfterMissMs);
}

void closeQuestion(FamilyContext& context, LevelGameState& state) {
    state.questionOpen = false;
    context.timers.setEnabled(kCountdownTimer, false);
}

}  // namespace

int levelOperation(const std::string& gameKey) {
    const int operation = leadingNumber(gameKey) - kFirstLevelKey;
    return (operation >= kLevelAddition && operation <= kLevelDivision) ? operation : -1;
}

std::string levelOperationCaption(int operation) {
    constexpr std::array<const char*, 4> kCaptions = {"加法", "减法", "乘法", "除法"};
    return operation >= 0 && operation < 4 ? kCaptions[operation] : "";
}

void resetLevelRun(FamilyContext& context, LevelGameState& state) {
    state.questionNo = 0;
    state.levelScore = 0;
    state.lives = kLevelLives;
    state.questionOpen = false;
    state.chosen = 0;
    state.missed.clear();
    state.times.clear();
    for (std::string& used : state.usedPairs) used.clear();
    context.timers.setEnabled(kCountdownTimer, false);
}

void updateLevelLimit(FamilyContext& context, LevelGameState& state) {
    context.timers.setEnabled(kCountdownTimer, false);
    applyLimitRules(state);
}

std::string nextQuestionPage(FamilyContext& context, LevelGameState& state, int operation) {
    const int ms = context.options.msPerQuestion;
    ++state.questionNo;
    const LevelPair pair = drawLevelPair(context.random, operation, state.numberLimit, state.usedPairs[operation]);
    LevelQuestion question = levelQuestion(operation, pair);
    question.level = state.levelCounter[operation] + 1;
    question.number = state.questionNo;
    question.shift = context.draw(4, 0);
    question.seconds = ms / 1000;
    question.lives = state.lives;
    question.right = state.levelScore / 10;

    state.answer = question.answer;
    state.question = question.text();
    state.questionOpen = true;
    state.chosen = 0;
    state.countdownSeconds = question.seconds;
    state.shownAtMs = context.clock.milliseconds();
    nextTickIn(context, ms);
    context.timers.setInterval(kCountdownTimer, 1000);
    context.timers.setEnabled(kCountdownTimer, true);
    return levelQuestionPage(question);
}

void levelTick(FamilyContext& context, LevelGameState& state) {
    const int operation = levelOperation(state.gameKey);
    if (state.gameKey.compare(0, 5, "51110") != 0 || operation < 0) {
        context.timers.setEnabled(kLevelTimer, false);
        return;
    }
    if (state.questionOpen) {
        closeQuestion(context, state);
        context.page.setInnerHtml("spanguan", "0秒");
        missQuestion(context, state, "", "时间到了！");
        return;
    }
    context.page.setBody(nextQuestionPage(context, state, operation));
}

void levelCountdown(FamilyContext& context, LevelGameState& state) {
    if (state.countdownSeconds > 0) --state.countdownSeconds;
    context.page.setInnerHtml("spanguan", std::to_string(state.countdownSeconds) + "秒");
    if (state.countdownSeconds == 0) context.timers.setEnabled(kCountdownTimer, false);
}

std::optional<MarkedSheet> answerLevelQuestion(FamilyContext& context, LevelGameState& state,
                                               const std::string& typed) {
    if (!state.questionOpen) return std::nullopt;
    Page& page = context.page;
    const std::optional<int> number = typedNumber(typed);
    if (!number) {
        page.setInnerHtml("feedback", "先选一个答案，或者在方框里写一个数，再按回车。");
        return std::nullopt;
    }
    closeQuestion(context, state);
    if (*number != state.answer) {
        missQuestion(context, state, foldTypedAnswer(typed), "答错了，");
        return std::nullopt;
    }
    state.levelScore += 10;
    keepAnswerTime(context, state, true, foldTypedAnswer(typed));
    page.insertTextAfter("answerguoguan", "(√)");
    page.setInnerHtml("progress", progressHtml(state.levelScore / 10));
    if (state.levelScore >= kLevelRightToPass * 10) return passLevel(context, state, levelOperation(state.gameKey));
    page.setInnerHtml("feedback", "答对了！");
    nextTickIn(context, kAfterRightMs);
    return std::nullopt;
}

}  // namespace tally
