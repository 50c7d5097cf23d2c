// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grader.h"

#include "app/form1.h"

namespace tally {

bool answersAllowed(Form1& form, bool revealOnly) {
    if (form.loginIsAdvanced()) return true;
    if (!form.childMode()) {
        form.ui().message("提示", "你的密码不对，不能查看答案！请向高级用户咨询密码！");
        return false;
    }
    if (revealOnly) {
        form.ui().message("提示", "这里的答案要请爸爸妈妈登录以后才能看。先自己想一想，想好了请爸爸妈妈来对答案吧！");
        return false;
    }
    if (!form.marksForChildAlone()) {
        form.ui().message("提示", "现在要请爸爸妈妈登录以后才能批改。做完了就请爸爸妈妈来看看吧！");
        return false;
    }
    return true;
}

void runGrader(Form1& form) {
    const std::string key = form.gradingKey();
    TopicFamily* family = form.familyTable().markerOf(key);
    if (!answersAllowed(form, family && family->onlyReveals(key))) return;
    const bool marked =
        !family || form.submitSheet([&](FamilyContext& context) { return family->mark(context, key); });
    if (marked) form.timers_.setEnabled(kThinkTimer, false);
}

}  // namespace tally
