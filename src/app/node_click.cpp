// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/node_click.h"

#include "app/form1.h"
#include "app/section_introduction.h"
#include "library/answer_pages.h"

namespace tally {

void runNodeClick(Form1& form, const TopicNode& node) {
    const TopicTagParts tag = splitTopicTag(node.tag);
    // The papers' answers are the parent's to show while a child is alone.
    if (tag.sigil == "#" && isAnswerTopic(tag.number) && form.hidesAnswers()) {
        form.ui().message("提示", "试卷的答案要请爸爸妈妈登录以后才能看。先把试卷做完，再请爸爸妈妈来对答案吧！");
        return;
    }
    form.timers_.setEnabled(kThinkTimer, true);
    form.leavePage();
    form.thinkSeconds_ = 0;
    form.ui().bringToFront(Pane::WebBrowser1);

    const TopicClick click{node.key, node.caption, tag};
    Sheet sheet;
    FamilyContext context = form.familyContext();
    form.families_.table.build(context, click, sheet);
    form.lessonPracticeKey_ = sheet.gradingKey;
    // A section's topic 0 without a page of its own leaves the page as it was.
    if (click.tag.number == 0 && sheet.html.empty()) return;
    if (const std::string introduction = sectionIntroduction(form.texts_, node.tag); !introduction.empty()) {
        sheet.html += (sheet.html.empty() ? "" : "<br><br>") + introduction;
    }
    if (sheet.keepPage) return;
    form.writeBody(sheet.html);
    form.showProgress();
}

}  // namespace tally
