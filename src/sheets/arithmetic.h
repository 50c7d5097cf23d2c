// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "base/drill_form.h"
#include "base/ports.h"
#include "topics/topic_family.h"
#include "sheets/arithmetic_draw.h"

namespace tally {

// The page of one arithmetic drill: questionCount questions of the operation
// within the limit, in the drill form, then the finish button. When the limit
// gives fewer distinct pairs than that, the sheet stops with the pairs it has.
std::string arithmeticSheetHtml(RandomSource& random, Operation operation, int limit,
                                DrillForm form, int questionCount);

// The four operations of 加减乘除 ("+", "-", "×", "÷" and a limit): the
// section pages and the drills, marked answer by answer.
class ArithmeticFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<AnswerStyle> answerStyle(const std::string&) const override { return AnswerStyle::Exact; }
};

}  // namespace tally
