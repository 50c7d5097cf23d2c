// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/skill_shares_page.h"

#include <set>

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
    const int percent = (share.right * 200 + share.answers) / (share.answers * 2);
    return std::to_string(percent) + "%（" + std::to_string(share.right) + "/" + std::to_string(share.answers) + "）";
}

}  // namespace

std::map<long long, std::map<std::string, SkillShare>> skillShares(const std::vector<ClassAnswer>& answers) {
    std::map<long long, std::map<std::string, SkillShare>> shares;
    for (const ClassAnswer& answer : answers) {
        SkillShare& share = shares[answer.pupilId][answer.topicKey];
        ++share.answers;
        share.right += answer.right ? 1 : 0;
    }
    return shares;
}

std::string skillSharesHtml(const std::string& className, const std::vector<Pupil>& pupils,
                            const std::vector<ClassAnswer>& answers, const std::map<std::string, std::string>& captions) {
    const auto shares = skillShares(answers);
    std::set<std::string> skills;
    for (const ClassAnswer& answer : answers) skills.insert(answer.topicKey);
    std::vector<std::string> header = {"姓名"};
    for (const std::string& skill : skills) {
        const auto caption = captions.find(skill);
        header.push_back(caption == captions.end() ? skill : caption->second);
    }
    std::string rows = textRow(header, "th");
    for (const Pupil& pupil : pupilsByName(pupils)) {
        std::string cells = element("td", escaped(pupil.name), "class=pupil");
        const auto ofPupil = shares.find(pupil.id);
        for (const std::string& skill : skills) {
            const bool answered = ofPupil != shares.end() && ofPupil->second.count(skill) > 0;
            cells += element("td", answered ? escaped(shareText(ofPupil->second.at(skill))) : "—");
        }
        rows += element("tr", cells);
    }
    const std::string body = element("h1", escaped(className) + "这学期各项练习的正确率") +
                             element("p", "每格是做对的题占做过的题的百分比，括号里是做对的题数和做过的题数。同学按姓名排列。") +
                             (skills.empty() ? element("p", "这学期还没有人做过练习。") : element("table", rows, "class=shares"));
    return classPageHtml("各项练习的正确率", kStyle, body);
}

}  // namespace tally
