// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>
#include <vector>

#include "base/ports.h"
#include "topics/topic_family.h"

namespace tally {

// A deal of the 24-point game: four cards of one suit, every solution the
// solver found in the order found, and the really different ways a child is
// shown.
struct TwentyFourDeal {
    std::array<int, 4> cards{};
    int suit = 1;
    std::vector<std::string> solutions;
    std::vector<std::string> ways;
};

// Deals four cards of one suit, again and again until the solver can make 24
// from the hand, and keeps the cards, the solver's solutions and the ways to
// show.
void dealTwentyFour(RandomSource& random, TwentyFourDeal& deal);

// The title, how to play, the cards two by two, how many ways there are, one
// box for the child's expression, the finish button and a button for another
// deal.
std::string twentyFourPage(const TwentyFourDeal& deal);

// 拍24点 ("!61"): a new deal on every click and on its "换一副牌" button; the
// expression typed is marked by computing it, then every way is shown.
class TwentyFourFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override { return tag.sigil == "!" && tag.number == 61; }
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override { return gradingKey == "q61"; }
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    bool onlyReveals(const std::string& /*gradingKey*/) const override { return false; }
    bool takesKeyboard(const TopicTagParts& tag) const override { return builds(tag); }

    const TwentyFourDeal& deal() const { return deal_; }

private:
    TwentyFourDeal deal_;

    // Whether the child is shown the ways after marking, or only √ or ×.
    bool showsAnswers(const FamilyContext& context) const { return context.showAnswers; }
};

}  // namespace tally
