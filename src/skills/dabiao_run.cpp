// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/dabiao_run.h"

#include <cmath>

#include "base/timer_bank.h"
#include "sheets/typed_answer.h"
#include "skills/dabiao_answer.h"
#include "skills/dabiao_norms.h"
#include "skills/dabiao_page.h"
#include "skills/skill_question.h"

namespace tally {
namespace {

// The mix's questions are drawn this many at a time, as a 口算卷 of the most
// questions; a child who answers them all gets the next batch.
constexpr int kBatch = kMostMixQuestions;

}  // namespace

void DabiaoRun::start(FamilyContext& context, const SkillMix& mix, int minutes) {
    running_ = true;
    mix_ = mix;
    mix_.questionCount = kBatch;
    minutes_ = minutes;
    secondsLeft_ = minutes * 60;
    queue_.clear();
    next_ = 0;
    marks_ = {};
    context.timers.setInterval(kDabiaoTimer, 1000);
    context.timers.setEnabled(kDabiaoTimer, true);
    showNext(context, "");
}

void DabiaoRun::showNext(FamilyContext& context, const std::string& said) {
    if (next_ >= queue_.size()) {
        queue_ = composeSheet(mix_, context.random).questions;
        next_ = 0;
    }
    current_ = queue_[next_++];
    shownAtMs_ = context.clock.milliseconds();
    context.page.setBody(dabiaoQuestionHtml(current_.question, secondsLeft_, marks_.questions, said));
}

void DabiaoRun::answer(FamilyContext& context, const DabiaoTyped& given) {
    if (!running_) return;
    const DabiaoTyped typed{foldTypedAnswer(given.first), foldTypedAnswer(given.second)};
    if (!dabiaoAnswered(typed, current_.question)) {
        context.page.setInnerHtml(kDabiaoSaidId, dabiaoEmptyWords(current_.question));
        return;
    }
    const bool right = dabiaoRight(typed, current_.question);
    MissedQuestion kept = dabiaoAsKept(typed, current_.question);
    marks_.mark(right, kept.question, kept.typed, kept.correct, kept.form);
    if (!right) {
        const SkillRow* skill = findSkill(current_.skillKey);
        marks_.missed.back().topicKey = current_.skillKey;
        marks_.missed.back().topicCaption = skill ? skill->caption : "";
    }
    marks_.times.push_back(
        {kDabiaoAnswerField, current_.skillKey, kept.question, right, context.clock.milliseconds() - shownAtMs_, "", kept.typed});
    showNext(context, right ? "" : "上一道错了，接着做下一道。");
}

std::optional<MarkedSheet> DabiaoRun::tick(FamilyContext& context) {
    if (!running_) {
        context.timers.setEnabled(kDabiaoTimer, false);
        return std::nullopt;
    }
    if (--secondsLeft_ > 0) {
        context.page.setInnerHtml(kDabiaoLeftId, clockText(secondsLeft_));
        return std::nullopt;
    }
    return finish(context);
}

std::optional<MarkedSheet> DabiaoRun::finish(FamilyContext& context) {
    stop(context);
    std::vector<FluencyNorm> edited = context.norms ? context.norms->edited() : std::vector<FluencyNorm>{};
    const DabiaoResult result{minutes_, marks_.questions, marks_.right,
                              mixNorm(mix_, normTable(edited), context.stage.grade, context.stage.secondTerm),
                              marks_.missed, context.showAnswers};
    context.page.setBody(dabiaoResultHtml(result));
    if (marks_.questions == 0) return std::nullopt;
    marks_.seconds = minutes_ * 60;
    marks_.score = static_cast<int>(std::lround(100.0 * marks_.right / marks_.questions));
    return std::move(marks_);
}

void DabiaoRun::stop(FamilyContext& context) {
    running_ = false;
    context.timers.setEnabled(kDabiaoTimer, false);
}

}  // namespace tally
