// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "topics/topic_family.h"

namespace tally {

// 四则运算 ("{900", "{9001" ... "{9009"): ten expressions over four drawn
// numbers, marked question by question.
class FourOperationFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<AnswerStyle> answerStyle(const std::string&) const override { return AnswerStyle::Rounded; }
};

}  // namespace tally
