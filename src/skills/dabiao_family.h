// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "base/timer_bank.h"
#include "skills/dabiao_run.h"
#include "topics/topic_family.h"

namespace tally {

// 口算达标 ("达1"): a timed test of a 口算卷 mix, 1, 3 or 5 minutes, scored in
// right answers a minute against the norm table; and the table itself
// ("达2"), which the parent edits. Both sit in the 口算 tab after 口算卷.
class DabiaoFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    // 开始 on the start page, 保存 on the norm page.
    std::optional<MarkedSheet> clicked(FamilyContext& context, const std::string& gradingKey,
                                       const std::string& elementName) override;
    // Enter answers the question on the page.
    std::optional<MarkedSheet> keyPressed(FamilyContext& context, const std::string& key) override;
    bool takesKeyboard(const TopicTagParts& tag) const override { return builds(tag); }
    bool ownsTimer(int timer) const override { return timer == kDabiaoTimer; }
    // The clock ends the test: its sheet is returned for the record.
    std::optional<MarkedSheet> tick(FamilyContext& context, int timer) override;
    // A test left before its end is not kept.
    void leave(FamilyContext& context) override;

    // Starts a test of the mix, or says on the window why not.
    void startTest(FamilyContext& context, const SkillMix& mix, const std::string& minutesText);

private:
    DabiaoRun run_;

    void saveNorms(FamilyContext& context);
};

}  // namespace tally
