#pragma once
#include "levelgame/level_state.h"
#include "shell/topic_family.h"

namespace tally {

// 算术过关游戏 ("{5111" and one game per operation, "{511102" ... "{511105"):
// ten right answers in a row, each within the question time, pass a level.
class LevelGameFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    // The difficulty choice, and for a game the notice; the engine starts.
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;

    // The engine's and the countdown's ticks.
    void tick(FamilyContext& context);
    void countdown(FamilyContext& context);
    // A click on answer R1..R4: a passed level is returned for the record.
    std::optional<MarkedSheet> chooseAnswer(FamilyContext& context, int radio);
    // A click on difficulty n1..n3: the question time for the next game.
    void chooseDifficulty(FamilyContext& context, int choice);
    // Another topic was clicked: no game runs any more.
    void leave() { state_.gameKey = "000"; }

    const LevelGameState& state() const { return state_; }
    LevelGameState& state() { return state_; }

private:
    LevelGameState state_;

    std::optional<MarkedSheet> rightAnswer(FamilyContext& context, int operation);
    void wrongAnswer(FamilyContext& context);
};

}  // namespace tally
