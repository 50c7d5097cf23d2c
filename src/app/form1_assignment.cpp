// SPDX-License-Identifier: GPL-3.0-or-later
// A school's assignment in the main window: its sheet written as the child
// would open it, from the assignment's own seed, so that every pupil of the
// class answers the same questions and the sheet handed in names it.
#include "app/form1.h"

#include "app/mix_sheet.h"
#include "skills/ready_mixes.h"
#include "skills/skill_mix.h"
#include "topics/catalogue.h"

namespace tally {
namespace {

constexpr std::string_view kAssignedMixPrefix = "mix:";

}  // namespace

RandomSource& Form1::draws() {
    if (assignment_ && (assignment_->opening || assignmentOnPage())) return assignment_->draws;
    return ports_.random;
}

std::string Form1::openAssignment(const Assignment& task) {
    const int shownBefore = ports_.page.generation();
    const int countBefore = options_.questionCount;
    assignment_.emplace(AssignmentOnScreen{task.id, SeededRandom(static_cast<std::uint64_t>(task.seed))});
    options_.questionCount = task.questionCount;
    const bool mixed = task.topicKey.starts_with(kAssignedMixPrefix);
    const bool opened = mixed ? openAssignedMix(task.topicKey.substr(kAssignedMixPrefix.size()), task.questionCount)
                              : openAssignedTopic(task.topicKey);
    options_.questionCount = countBefore;
    saveSettings();
    // The child may stay with a sheet not handed in; the page is then the one before.
    if (!opened || ports_.page.generation() == shownBefore) {
        assignment_.reset();
        return opened ? "" : "这份练习打不开，请告诉老师。";
    }
    assignment_->opening = false;
    assignment_->generation = ports_.page.generation();
    return "";
}

bool Form1::openAssignedTopic(const std::string& key) {
    for (const Tab& tab : tabs()) {
        clickTab(tab.caption);
        if (!tree_.find(key)) continue;
        clickNode(key);
        return true;
    }
    return false;
}

bool Form1::openAssignedMix(const std::string& name, int count) {
    std::optional<SkillMix> mix;
    if (record_) {
        mix = mixNamed(*record_, owner(), name);
    } else {
        for (const ListedMix& ready : readyMixes()) {
            if (ready.mix.name == name) mix = ready.mix;
        }
    }
    if (!mix) return false;
    mix->questionCount = count;
    return writeMixSheet(*this, mixWords(*mix));
}

}  // namespace tally
