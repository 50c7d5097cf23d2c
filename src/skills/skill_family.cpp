// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_family.h"

#include <sstream>

#include "page/html_page.h"
#include "skills/mix_page.h"
#include "skills/skill_page.h"
#include "skills/skill_sheet.h"
#include "skills/skill_topics.h"

namespace tally {
namespace {

// `count` questions shared evenly among the skills (the first ones one more
// when it does not divide), each skill's drawn as its own sheet, then mixed.
std::vector<SkillSheetItem> drawItems(const std::vector<const SkillRow*>& skills, RandomSource& random, int count) {
    std::vector<SkillSheetItem> items;
    const std::size_t total = static_cast<std::size_t>(count);
    for (std::size_t i = 0; i < skills.size(); ++i) {
        const std::size_t share = total / skills.size() + (i < total % skills.size() ? 1 : 0);
        for (SkillQuestion& question : drawSheet(*skills[i]->questions, random, share)) {
            items.push_back({skills[i], std::move(question)});
        }
    }
    for (std::size_t i = items.size(); i > 1; --i) {
        std::swap(items[i - 1], items[static_cast<std::size_t>(drawInt(random, static_cast<double>(i), 0))]);
    }
    return items;
}

// A grade, term or unit: what it holds.
std::string folderPage(const TopicClick& click) {
    std::string html = "<h2>" + escapeHtmlText(click.caption) + "</h2><p>点左边的一项口算，就出一张练习卷。"
                       "做完点“提交答案”，就能批改和得分。</p><ul>";
    for (const SkillRow* skill : skillsUnder(click.key)) html += "<li>" + escapeHtmlText(skill->caption) + "</li>";
    return html + "</ul>";
}

}  // namespace

std::vector<const SkillRow*> namedSkills(const std::string& keys) {
    std::vector<const SkillRow*> skills;
    std::istringstream list(keys);
    for (std::string key; std::getline(list, key, ',');) {
        const SkillRow* skill = findSkill(key);
        if (!skill) return {};
        skills.push_back(skill);
    }
    return skills;
}

bool SkillFamily::builds(const TopicTagParts& tag) const { return tag.sigil == kSkillSigil; }

bool SkillFamily::marks(const std::string& gradingKey) const {
    return gradingKey == kMixKey || !namedSkills(gradingKey).empty();
}

TopicSections SkillFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != kSkillTab) return {};
    std::vector<TopicRow> rows = skillTopicRows();
    rows.push_back({kMixKey, kMixCaption, kMixKey, ""});
    return {{rows}};
}

void SkillFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    if (click.key == kMixKey) {
        sheet.html += mixChooserHtml(listedMixes(context.mixes));
        return;
    }
    const std::vector<const SkillRow*> skills = namedSkills(click.key);
    if (skills.empty()) {
        sheet.html += folderPage(click);
        return;
    }
    const auto items = drawItems(skills, context.random, context.options.questionCount);
    sheet.html += skillSheetHtml(items, context.options.drillForm);
}

std::optional<MarkedSheet> SkillFamily::mark(FamilyContext& context, const std::string& gradingKey) {
    // A mix has its own count of questions: it is scored by its share of right answers.
    const int questionCount = gradingKey == kMixKey ? 0 : context.options.questionCount;
    return markSkillSheet(context.page, questionCount, context.thinkSeconds);
}

std::optional<MarkedSheet> SkillFamily::clicked(FamilyContext& context, const std::string& gradingKey,
                                                const std::string& elementName) {
    if (gradingKey == kMixKey) mixPageClicked(context, elementName);
    return std::nullopt;
}

}  // namespace tally
