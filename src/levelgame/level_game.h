// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "levelgame/level_state.h"
#include "base/timer_bank.h"
#include "topics/topic_family.h"

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

    bool takesKeyboard(const TopicTagParts& tag) const override { return builds(tag); }
    // The engine's next question and the countdown's seconds left.
    bool ownsTimer(int timer) const override { return timer == kLevelTimer || timer == kCountdownTimer; }
    std::optional<MarkedSheet> tick(FamilyContext& context, int timer) override;
    // A mouse-down binds the radios of the page it was on: the answers
    // R1..R4 of a game, the difficulties n1..n3 of every page of the game.
    void mouseDown(FamilyContext& context, const std::string& gradingKey) override;
    // Releasing on answer R1..R4 chooses it and answers with it; a passed
    // level is returned for the record. On difficulty n1..n3: the question
    // time from the next question on.
    std::optional<MarkedSheet> mouseUp(FamilyContext& context, const std::string& elementName) override;
    // A key in the question page: "1".."4" and the arrows choose an answer,
    // "Enter" answers with what the answer box shows (chosen or typed).
    std::optional<MarkedSheet> keyPressed(FamilyContext& context, const std::string& key) override;
    // No game runs any more, and a page of the game still on screen says that it is over.
    void leave(FamilyContext& context) override;

    const LevelGameState& state() const { return state_; }
    LevelGameState& state() { return state_; }

private:
    LevelGameState state_;
    // The radios bound by the last mouse-down, and the page generation they were on.
    struct MouseBinding {
        int generation = -1;
        bool answers = false;
        bool difficulty = false;
    } mouseBinding_;

    std::optional<MarkedSheet> chooseAnswer(FamilyContext& context, int radio);
    void chooseDifficulty(FamilyContext& context, int choice);

    bool questionOnPage(const FamilyContext& context) const;
    void choose(FamilyContext& context, int radio);
};

}  // namespace tally
