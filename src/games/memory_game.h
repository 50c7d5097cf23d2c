#pragma once
#include "shell/topic_family.h"

namespace tally {

// 训练记忆 ("!62"): eight cards to remember for the memory time, then their
// numbers typed in one box.
class MemoryGameFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override { return tag.sigil == "!" && tag.number == 62; }
    bool marks(const std::string& gradingKey) const override { return gradingKey == "q62"; }
    // The cards, the seconds field, the answer field and the finish button;
    // starts the countdown.
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;

    // The countdown's tick: the seconds left, then the cards turned over.
    void tick(FamilyContext& context);

private:
    // Seconds counted since the cards were shown.
    int elapsed_ = 0;
};

}  // namespace tally
