// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <string>
#include <vector>

#include "progress/school_server.h"

namespace tally {

// The days a term view covers, "YYYY-MM-DD" each, both included.
struct TermPeriod {
    std::string fromDay;
    std::string toDay;
};

// The teacher's term view: a small table of the class's pupils (by name)
// against the skills they answered (in the order of their keys, which is the
// textbook's), each cell the share right in percent with its answers
// ("85%（17/20）"). `shares` are the server's, a pupil's skill each, from
// `fromDay` to `toDay`; `captions` name the skills by key (the key is shown
// for one it does not name); `links` (a linksBar) go above it on screen.
std::string skillSharesHtml(const std::string& className, const std::vector<Pupil>& pupils,
                            const std::vector<SkillShare>& shares, const TermPeriod& period,
                            const std::map<std::string, std::string>& captions, const std::string& links = "");

}  // namespace tally
