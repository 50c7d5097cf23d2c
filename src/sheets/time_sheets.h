// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "topics/topic_family.h"

namespace tally {

// 时间转换 ("$7", "$71" ... "$76", "$78"): hours and minutes into minutes or
// seconds, minutes into hours and minutes (two fields), and the time puzzles,
// whose answers are only thought about.
class TimeFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<AnswerStyle> answerStyle(const std::string& gradingKey) const override;
};

}  // namespace tally
