// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mix_sheet.h"

#include "app/form1.h"
#include "skills/mix_page.h"
#include "skills/skill_topics.h"
#include "topics/catalogue.h"

namespace tally {

bool writeMixSheet(Form1& form, const std::string& words, const std::string& name) {
    const std::size_t blank = words.find(' ');
    for (const Tab& tab : tabs()) {
        if (tab.key == kSkillTab) form.clickTab(tab.caption);
    }
    form.clickNode(kMixKey);
    Page& page = form.page();
    form.pageInput(kMixCountField, words.substr(0, blank), page.generation());
    form.pageInput(kMixWordsField, blank == std::string::npos ? "" : words.substr(blank + 1), page.generation());
    form.pageInput(kMixNameField, name, page.generation());
    form.pageClick("");
    form.pageClick(kMixGoButton);
    return page.has("finish");
}

}  // namespace tally
