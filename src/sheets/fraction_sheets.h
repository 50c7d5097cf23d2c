// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "topics/topic_family.h"

namespace tally {

// 分数和比例 ("{500", "{5002" ... "{5013"): sums and differences of two
// fractions, answered in lowest terms in a numerator and a denominator field.
class FractionFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<AnswerStyle> answerStyle(const std::string&) const override { return AnswerStyle::Exact; }
};

}  // namespace tally
