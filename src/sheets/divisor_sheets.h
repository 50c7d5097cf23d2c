// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "topics/topic_family.h"

namespace tally {

// 约数和倍数 ("{700", "{7001" ... "{7006", "{800", "{8001" ... "{8004"): the
// methods, greatest common divisors and least common multiples of drawn
// pairs, and two word problems whose answers are revealed.
class DivisorFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<AnswerStyle> answerStyle(const std::string& gradingKey) const override;
};

// The answer revealed under the word problem of topic 7005 or 7006; empty for
// any other topic.
std::string divisorWordProblemAnswer(int topic);

}  // namespace tally
