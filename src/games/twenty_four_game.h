#pragma once
#include <array>
#include <string>
#include <vector>

#include "shell/ports.h"
#include "shell/topic_family.h"

namespace tally {

// A deal of the 24-point game: four cards of one suit and every solution found,
// in the order found.
struct TwentyFourDeal {
    std::array<int, 4> cards{};
    int suit = 1;
    std::vector<std::string> solutions;
};

// Deals four cards of one suit, again and again until the hand can make 24,
// and keeps the cards and every solution found.
void dealTwentyFour(RandomSource& random, TwentyFourDeal& deal);

// The cards two by two, the number of solutions, one field per solution and
// the finish button.
std::string twentyFourPage(const TwentyFourDeal& deal);

// 拍24点 ("!61"): a new deal on every click; each filled box is marked by
// computing it.
class TwentyFourFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override { return tag.sigil == "!" && tag.number == 61; }
    bool marks(const std::string& gradingKey) const override { return gradingKey == "q61"; }
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;

    const TwentyFourDeal& deal() const { return deal_; }

private:
    TwentyFourDeal deal_;
};

}  // namespace tally
