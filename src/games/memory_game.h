// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "base/timer_bank.h"
#include "topics/topic_family.h"

namespace tally {

// 训练记忆 ("!62"): cards to remember for the memory time, then turned face
// down; the child writes each card's number in its own box. The game starts
// with 4 cards, deals one more after a round all right and one fewer after a
// miss, from 4 to 10 cards.
class MemoryGameFamily : public TopicFamily {
public:
    static constexpr int kFewestCards = 4;
    static constexpr int kMostCards = 10;

    bool builds(const TopicTagParts& tag) const override { return tag.sigil == "!" && tag.number == 62; }
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override { return gradingKey == "q62"; }
    // The cards, the seconds field, one box per card and the finish button;
    // starts the countdown.
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    // Marks every box, shows the cards again with the wrong ones framed, and
    // sets the number of cards of the next round.
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;

    bool onlyReveals(const std::string& /*gradingKey*/) const override { return false; }
    bool takesKeyboard(const TopicTagParts& tag) const override { return builds(tag); }
    // The countdown's tick: the seconds left, then the cards turned over.
    bool ownsTimer(int timer) const override { return timer == kMemoryTimer; }
    std::optional<MarkedSheet> tick(FamilyContext& context, int timer) override;
    void leave(FamilyContext& context) override { context.timers.setEnabled(kMemoryTimer, false); }

    // How many cards the next round deals.
    int cards() const { return cards_; }

private:
    int cards_ = kFewestCards;
    // The round on the page: its cards as values and suits.
    std::vector<std::pair<int, int>> dealt_;
    // Seconds counted since the cards were shown.
    int elapsed_ = 0;

    // Whether the child is shown the right cards after marking, or only √ or ×.
    bool showsAnswers(const FamilyContext& context) const { return context.showAnswers; }
};

}  // namespace tally
