// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <array>

#include "app/form1.h"
#include "app/toolbar_actions.h"
#include "window/options_dialog.h"
#include "window/password_dialog.h"

namespace tally {

using Kind = ToolbarAction::Kind;

std::span<const ToolbarAction> toolbarActions() {
    // A friend of the window model: each row runs one of its handlers. The
    // child's actions come first, the parent's last, so that a narrow window
    // hides the parent's first.
    static const std::array<ToolbarAction, 17> actions = {{
        {"w16", "今日练习", "今天的练习：以前做错的题、要加强的题和这个星期学的内容", Kind::Push,
         {"", "#16a34a", "今", 18}, "", ActionUser::Anyone, "",
         "今日练习：今天该做的一组题，有以前做错、到了该复习的题，有要加强的题，还有这个星期课本上学的内容（见第三部分）。",
         [](Form1& form) { form.writeTodayPage(); }},
        {"w13", "成绩记录", "看看每次练习的成绩和错题，做错题重练", Kind::Push, {"chart"}, "", ActionUser::Anyone, "",
         "成绩记录：每次批改过的练习都会记下来。这里能看到最近的练习、每个题目的得分和用时的变化图，还有最常做错的题目。",
         [](Form1& form) { form.showRecordPage(); }},
        {"w12", "打印", "打印", Kind::Push, {"printer"}, "Ctrl+P", ActionUser::Anyone, "",
         "打印：打开的是练习题时，可以选“打印练习卷和答案”（一张干净的练习卷，后面一页是答案，可以拿笔在纸上做；爸爸妈妈没有登录时，这一项叫“打印练习卷”，只印练习卷，不印答案），也可以选“打印这一页”（把窗口里看到的样子打印出来）。其他页面直接打印。打印的纸四周都留有空白。",
         [](Form1& form) { form.printSheet(); }},
        {"w17", "纸质练习", "批改在纸上做的练习卷：输入卷上的编号，点出做错的题", Kind::Push, {"", "#b45309", "纸", 18}, "",
         ActionUser::Anyone, "",
         "纸质练习：打印出来的练习卷右上角有编号。孩子在纸上做完以后，点这里输入编号，卷上的题就回到屏幕上；做错的题点一下，再点“确认”，这张卷就和在电脑上做的一样记进成绩记录（爸爸妈妈登录后才看得到答案）。",
         [](Form1& form) { form.showPaperEntry(); }},
        {"w3", "帮助", "帮助文本", Kind::Push, {"help"}, "F1", ActionUser::Anyone, "", "帮助：再看一遍这份说明。",
         [](Form1& form) { form.showIntroduction(); }},
        {"w5", "", "", Kind::Separator, {}, "", ActionUser::Anyone, "", "", nullptr},
        {"w6", "普通", "普通整数运算", Kind::DrillForm, {"", "#22c55e", "1+2", 11}, "", ActionUser::Anyone, "",
         "普通、竖式、最大、小数：选择计算题的出题形式。“普通”是横式；“竖式”把算式竖着写；“最大”是在方框里填上使不等式成立的最大整数；“小数”是带一位小数的练习。",
         [](Form1& form) { form.chooseDrillForm(DrillForm::Normal); }},
        {"w7", "竖式", "竖式整数运算", Kind::DrillForm, {"", "#3b82f6", "竖", 18}, "", ActionUser::Anyone, "", "",
         [](Form1& form) { form.chooseDrillForm(DrillForm::Vertical); }},
        {"w8", "最大", "不等式运算，在文本框里填入使不等式成立的最大整数", Kind::DrillForm, {"", "#f97316", "<", 22}, "",
         ActionUser::Anyone, "", "", [](Form1& form) { form.chooseDrillForm(DrillForm::Inequality); }},
        {"w9", "小数", "小数运算练习题", Kind::DrillForm, {"", "#a855f7", "0.5", 11}, "", ActionUser::Anyone, "", "",
         [](Form1& form) { form.chooseDrillForm(DrillForm::Decimal); }},
        {"w10", "", "", Kind::Separator, {}, "", ActionUser::Anyone, "", "", nullptr},
        {"w2", "选项", "选择出题数量", Kind::Push, {"options"}, "", ActionUser::Anyone, "",
         "选项：选择每张练习题的题数（10道、20道或50道），以及“训练记忆”游戏里记牌的时间（8秒、5秒或3秒）；爸爸妈妈登录以后，还可以打开或关掉目录里的小圆点。",
         [](Form1& form) {
             OptionsDialog dialog(form.options_, form.loginIsAdvanced());
             form.ports_.ui.runOptionsDialog(dialog);
             if (!dialog.closed()) return;
             form.saveSettings();
             form.showMasteryMarks();
         }},
        {"w11", "登录", "以高级用户身份登录，可以查看答案", Kind::Push, {"person"}, "", ActionUser::Anyone, "",
         "登录：换一个用户登录。", [](Form1& form) { form.showLoginDialog(); }},
        {"w15", "每周报告", "给家长看的这个星期的练习报告", Kind::Push, {"", "#0d9488", "周", 18}, "",
         ActionUser::Anyone, "", "每周报告：这个星期练了几天、做了多少题、哪些题目进步了、接下来练什么，给爸爸妈妈看（见第七部分）。",
         [](Form1& form) { form.showWeeklyReport(); }},
        {"w14", "孩子", "添加孩子，改名字和年级（爸爸妈妈登录后用）", Kind::Push, {"", "#ec4899", "孩", 18}, "",
         ActionUser::Parent, "管理孩子要请爸爸妈妈先用高级用户登录。",
         "孩子：写上每个孩子的名字和年级，改名字、改年级（爸爸妈妈登录后用，见第六部分）。",
         [](Form1& form) { form.showChildrenDialog(); }},
        {"w1", "密码", "修改密码，高级用户登录", Kind::Push, {"key"}, "", ActionUser::Parent,
         "必须以高级用户身份登录才可以修改密码！", "密码：修改高级用户的密码（要先用高级用户登录）。",
         [](Form1& form) {
             PasswordDialog dialog(form.accounts_, form.ports_.ui, form.ports_.data, form.record_);
             form.ports_.ui.runPasswordDialog(dialog);
         }},
        {"w18", "班级", "老师登录以后管理班级、学生和练习，看每个同学的结果；同学登录以后，看老师下发的练习",
         Kind::Push, {"", "#7c3aed", "班", 18}, "", ActionUser::Anyone, "",
         "班级：连着学校服务器的电脑上才有。老师用自己的账号登录以后，可以建班级、添加学生（也可以导入名单）、给全班或几个同学布置练习，看每个同学的答案、错得多的题和这学期的正确率，都可以打印。同学登录以后，点它回到“下发的练习”。",
         [](Form1& form) {
             // A pupil at a lab computer goes back to their assignments; the
             // teacher's view is never a pupil's.
             if (form.pupil()) {
                 form.showPupilAssignments();
             } else if (!form.ports_.ui.showClassroom()) {
                 form.ports_.ui.message("提示", "这台电脑没有连学校的服务器，没有班级可以看。");
             }
         }},
    }};
    return actions;
}

const ToolbarAction* toolbarAction(std::string_view key) {
    const auto actions = toolbarActions();
    const auto found = std::find_if(actions.begin(), actions.end(), [&](const ToolbarAction& action) {
        return key == action.key && action.kind != Kind::Separator;
    });
    return found == actions.end() ? nullptr : &*found;
}

// Lines of the help, one an action, with the texts' own line break (CR LF) between them.
std::string toolbarHelp() {
    std::string lines;
    for (const ToolbarAction& action : toolbarActions()) {
        if (*action.help) lines += std::string(lines.empty() ? "" : "\r\n") + "　" + action.help;
    }
    return lines;
}

std::string shortcutHelp() {
    std::string lines;
    for (const ToolbarAction& action : toolbarActions()) {
        if (*action.shortcut) lines += std::string("　") + action.shortcut + "：" + action.caption + "。\r\n";
    }
    return lines + "　" + kQuitShortcut + "：关闭程序。";
}

void Form1::clickToolbar(const std::string& key) {
    gate_.run([this, key] {
        const ToolbarAction* action = toolbarAction(key);
        if (!action) return;
        if (action->user == ActionUser::Parent && !loginIsAdvanced()) {
            std::string refusal = action->refusal;
            // The password's own button tells a computer still on the first password what it is.
            if (key == "w1" && accounts_.initialPasswordInUse()) refusal += "软件最初设定的密码是238";
            ports_.ui.message("提示", refusal);
            return;
        }
        action->run(*this);
    });
}

void Form1::chooseDrillForm(DrillForm form) {
    options_.drillForm = form;
    saveSettings();
}

void Form1::showIntroduction() {
    if (!mayLeavePage()) return;
    leavePage();
    writeBody(introductionHtml());
    ports_.ui.bringToFront(Pane::WebBrowser1);
}

}  // namespace tally
