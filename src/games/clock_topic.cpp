// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/clock_topic.h"

namespace tally {

void ClockFamily::build(FamilyContext& context, const TopicClick&, Sheet&) {
    context.window.bringToFront(Pane::Picture2);
}

TopicSections ClockFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T2") return {};
    return {{{
        {"q77", "认识钟表和时间", "$77", "q7"},
    }, "q7"}};
}

}  // namespace tally
