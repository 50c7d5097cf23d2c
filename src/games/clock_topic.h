// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "base/ports.h"
#include "topics/topic_family.h"

namespace tally {

// 认识钟表 ("$77"): the clock panel comes to the front over an empty page.
class ClockFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override { return tag.sigil == "$" && tag.number == 77; }
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
};

}  // namespace tally
