// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "levelgame/level_state.h"
#include "shell/topic_family.h"

namespace tally {

// 算术过关游戏 ("{5111" and one game per operation, "{511102" ... "{511105"):
// ten right answers, each within the question time, pass a level; a wrong
// answer or a time-out costs one of three lives, and the last life lost
// starts the level again.
class LevelGameFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    // The parent's page: the difficulty choice and how to play. A game: its
    // first question at once.
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;

    // The engine's and the countdown's ticks.
    void tick(FamilyContext& context);
    void countdown(FamilyContext& context);
    // A click on answer R1..R4 chooses it and answers with it. A passed level
    // is returned for the record.
    std::optional<MarkedSheet> chooseAnswer(FamilyContext& context, int radio);
    // A key in the question page: "1".."4" and the arrows choose an answer,
    // "Enter" answers with what the answer box shows (chosen or typed).
    std::optional<MarkedSheet> pressKey(FamilyContext& context, const std::string& key);
    // A click on difficulty n1..n3: the question time from the next question on.
    void chooseDifficulty(FamilyContext& context, int choice);
    // Another tab, topic or page was chosen: no game runs any more, and a
    // page of the game still on screen says that it is over.
    void leave(FamilyContext& context);

    const LevelGameState& state() const { return state_; }
    LevelGameState& state() { return state_; }

private:
    LevelGameState state_;

    bool questionOnPage(const FamilyContext& context) const;
    void choose(FamilyContext& context, int radio);
};

}  // namespace tally
