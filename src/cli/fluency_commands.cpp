// SPDX-License-Identifier: GPL-3.0-or-later
// The headless commands of 口算达标: a test started, the norm table printed.
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/printable.h"
#include "progress/children.h"
#include "skills/dabiao_norms.h"
#include "skills/dabiao_page.h"
#include "skills/skill_table.h"
#include "skills/skill_topics.h"
#include "topics/catalogue.h"

namespace tally {

// As on the 口算达标 page: the minutes and the mix's words typed, then 开始.
void Commands::dabiao(const std::string& args, std::ostream& out) {
    const std::size_t blank = args.find(' ');
    for (const Tab& tab : tabs()) {
        if (tab.key == kSkillTab) form_->clickTab(tab.caption);
    }
    form_->clickNode(kDabiaoKey);
    Page& page = form_->page();
    const std::size_t said = ui_.messages.size();
    form_->pageInput(kDabiaoMinutesField, args.substr(0, blank), page.generation());
    form_->pageInput(kDabiaoWordsField, blank == std::string::npos ? "" : args.substr(blank + 1), page.generation());
    form_->pageClick(kDabiaoGoButton);
    if (!page.has(kDabiaoAnswerField)) {
        out << "error: " << (ui_.messages.size() > said ? printable(ui_.messages.back().second) : "no test") << "\n";
    }
}

// One row a line: term, skill, 达标, 良好, 优秀 a minute.
void Commands::printNorms(const std::string& args, std::ostream& out) {
    const std::optional<int> grade = gradeNamed(args);
    if (!grade) {
        out << "error: norms GRADE (1 to 6)\n";
        return;
    }
    const std::vector<FluencyNorm> edited = record_ ? record_->fluencyNorms() : std::vector<FluencyNorm>{};
    for (const FluencyNorm& row : gradeNorms(normTable(edited), *grade)) {
        const SkillRow* skill = findSkill(row.skillKey);
        out << (row.secondTerm ? "下" : "上") << "\t" << printable(skill ? skill->caption : row.skillKey) << "\t"
            << row.pass << "\t" << row.good << "\t" << row.excellent << "\n";
    }
    out << ".\n";
}

}  // namespace tally
