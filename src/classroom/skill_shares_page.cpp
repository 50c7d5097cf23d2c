// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/skill_shares_page.h"

#include <set>
#include <utility>

#include "classroom/class_page_parts.h"
#include "practice/html_parts.h"

namespace tally {
namespace {

constexpr const char* kStyle = R"(
table.shares { border-collapse: collapse; }
table.shares th, table.shares td { border: 1px solid #c9b79c; padding: 3px 8px; font-size: 15px; text-align: center; }
table.shares td.pupil { text-align: left; }
@media print { table.shares th, table.shares td { font-size: 10px; padding: 1px 3px; } }
)";

// The share right in whole percent, rounded half up, with its answers.
std::string shareText(const SkillShare& share) {
    const long long percent = (share.right * 200 + share.answered) / (share.answered * 2);
    return std::to_string(percent) + "%（" + std::to_string(share.right) + "/" + std::to_string(share.answered) + "）";
}

}  // namespace

std::string skillSharesHtml(const std::string& className, const std::vector<Pupil>& pupils,
                            const std::vector<SkillShare>& shares, const TermPeriod& period,
                            const std::map<std::string, std::string>& captions, const std::string& links) {
    std::map<std::pair<std::string, std::string>, const SkillShare*> byPupil;
    std::set<std::string> skills;
    for (const SkillShare& share : shares) {
        if (share.answered <= 0) continue;
        byPupil[{share.pupil, share.topicKey}] = &share;
        skills.insert(share.topicKey);
    }
    std::vector<std::string> header = {"姓名"};
    for (const std::string& skill : skills) {
        const auto caption = captions.find(skill);
        header.push_back(caption == captions.end() ? skill : caption->second);
    }
    std::string rows = textRow(header, "th");
    for (const Pupil& pupil : pupilsByName(pupils)) {
        std::string cells = element("td", escaped(pupil.name), "class=pupil");
        for (const std::string& skill : skills) {
            const auto found = byPupil.find({pupil.name, skill});
            cells += element("td", found == byPupil.end() ? "—" : escaped(shareText(*found->second)));
        }
        rows += element("tr", cells);
    }
    const std::string body =
        links + element("h1", escaped(className) + "这学期各项练习的正确率") +
        element("p", "从" + escaped(dayWords(period.fromDay, true)) + "到" + escaped(dayWords(period.toDay, true)) +
                         "。每格是做对的题占做过的题的百分比，括号里是做对的题数和做过的题数。同学按姓名排列。") +
        (skills.empty() ? element("p", "这学期还没有人做过练习。") : element("table", rows, "class=shares"));
    return classPageHtml("各项练习的正确率", kStyle, body);
}

}  // namespace tally
