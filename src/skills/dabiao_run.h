// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "progress/saved_mix.h"
#include "skills/dabiao_answer.h"
#include "skills/skill_mix_sheet.h"
#include "topics/topic_family.h"

namespace tally {

// One 口算达标 test against the clock: questions of a mix one at a time, each
// answered once, until the minutes are up. The 达标 timer ticks each second.
class DabiaoRun {
public:
    // Starts the test on the page; the mix makes a sheet (mixSheetProblem is "").
    void start(FamilyContext& context, const SkillMix& mix, int minutes);
    bool running() const { return running_; }
    // Marks the typed answer and shows the next question; an answer with a
    // box left empty is not one.
    void answer(FamilyContext& context, const DabiaoTyped& typed);
    // A second gone; at the last the test ends, its result on the page and
    // its sheet returned (none when nothing was answered).
    std::optional<MarkedSheet> tick(FamilyContext& context);
    // The test ends unkept: the page was left.
    void stop(FamilyContext& context);

private:
    bool running_ = false;
    SkillMix mix_;
    int minutes_ = 1;
    int secondsLeft_ = 0;
    std::vector<MixQuestion> queue_;
    std::size_t next_ = 0;
    MixQuestion current_;
    long long shownAtMs_ = 0;
    MarkedSheet marks_;

    void showNext(FamilyContext& context, const std::string& said);
    std::optional<MarkedSheet> finish(FamilyContext& context);
};

}  // namespace tally
