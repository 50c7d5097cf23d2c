// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "topics/topic_family.h"

namespace tally {

// The questions whose answers are revealed rather than marked: brain-teasers
// and geometry questions ("?11" ... "?78", "?801" ... "?808"), the
// intelligence exercises ("?5" and its list "?59001" ...), the worked divisor
// problems ("{8005" and its list "{8005001" ...), the standard intelligence
// test ("?2") and the section pages of 智力题 ("?1", "?3", "?55555").
class RevealedAnswersFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    // Reveals the answer of the page's question after the button; nothing is kept.
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;

    // The standard intelligence test (q52) is not marked through the finish
    // button: its own button reveals all twenty answers at once.
    static constexpr const char* kIntelligenceTestKey = "q52";
    static constexpr const char* kIntelligenceTestButton = "iqanswers";
    std::string finishButton(const std::string& gradingKey) const override;

private:
    void revealIntelligenceTest(FamilyContext& context);
};

}  // namespace tally
