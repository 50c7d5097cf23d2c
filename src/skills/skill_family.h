// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "skills/skill_table.h"
#include "topics/topic_family.h"

namespace tally {

// The skills a key names: one skill key ("k1107"), or several separated by
// commas, as a lesson names what it practises ("k3201,k3202"); nothing when
// any of them is not a skill.
std::vector<const SkillRow*> namedSkills(const std::string& keys);

// 口算 ("k…"): the grades, terms and units of the textbook and a sheet of
// each skill, marked question by question. A click on several skills at once
// (a lesson's) shares the sheet evenly among them; the 口算卷 node's page
// composes sheets mixed by share.
class SkillFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    bool marks(const std::string& gradingKey) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<MarkedSheet> clicked(FamilyContext& context, const std::string& gradingKey,
                                       const std::string& elementName) override;
    std::optional<AnswerStyle> answerStyle(const std::string&) const override { return AnswerStyle::Exact; }
};

}  // namespace tally
