// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "topics/topic_family.h"

namespace tally {

// 规律运算 ("*9", "*91" ... "*95"): rows of eight numbers with one missing,
// marked question by question.
class PatternFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<AnswerStyle> answerStyle(const std::string&) const override { return AnswerStyle::Rounded; }
};

}  // namespace tally
