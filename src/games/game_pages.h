// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "topics/topic_family.h"

namespace tally {

// 数学游戏 ("!6" and the games that are pages of the data directory, shown in
// the second pane): the section's introduction and the game pages.
class GamePagesFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    // The game pages of the second pane, not the section's introduction.
    bool takesKeyboard(const TopicTagParts& tag) const override;
};

// The page of the data directory a game topic opens ("" for the games the program deals).
std::string gamePagePath(int topic);

}  // namespace tally
