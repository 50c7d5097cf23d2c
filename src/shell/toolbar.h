#pragma once
#include <array>

#include "shell/drill_form.h"

namespace tally {

struct ToolbarButton {
    enum class Kind { Push, Separator, DrillForm };
    const char* key;
    const char* caption;
    const char* tooltip;
    Kind kind;
    // The key that presses the button from anywhere in the window.
    const char* shortcut = "";
};

// The toolbar of the main window, in order.
inline constexpr std::array<ToolbarButton, 14> kToolbar = {{
    {"w1", "密码", "修改密码，高级用户登录", ToolbarButton::Kind::Push},
    {"w2", "选项", "选择出题数量", ToolbarButton::Kind::Push},
    {"w3", "帮助", "帮助文本", ToolbarButton::Kind::Push, "F1"},
    {"w5", "", "", ToolbarButton::Kind::Separator},
    {"w6", "普通", "普通整数运算", ToolbarButton::Kind::DrillForm},
    {"w7", "竖式", "竖式整数运算", ToolbarButton::Kind::DrillForm},
    {"w8", "最大", "不等式运算，在文本框里填入使不等式成立的最大整数", ToolbarButton::Kind::DrillForm},
    {"w9", "小数", "小数运算练习题", ToolbarButton::Kind::DrillForm},
    {"w11", "登录", "以高级用户身份登录，可以查看答案", ToolbarButton::Kind::Push},
    {"w14", "孩子", "添加孩子，改名字和年级（爸爸妈妈登录后用）", ToolbarButton::Kind::Push},
    {"w16", "今日练习", "今天的练习：以前做错的题、要加强的题和这个星期学的内容", ToolbarButton::Kind::Push},
    {"w15", "每周报告", "给家长看的这个星期的练习报告", ToolbarButton::Kind::Push},
    {"w13", "成绩记录", "看看每次练习的成绩和错题，做错题重练", ToolbarButton::Kind::Push},
    {"w12", "打印", "打印", ToolbarButton::Kind::Push, "Ctrl+P"},
}};

// The toolbar button that chooses a drill form.
constexpr const char* drillFormKey(DrillForm form) {
    switch (form) {
        case DrillForm::Normal: return "w6";
        case DrillForm::Vertical: return "w7";
        case DrillForm::Inequality: return "w8";
        case DrillForm::Decimal: return "w9";
    }
    return "w6";
}

// Closes the window from anywhere in it.
inline constexpr const char* kQuitShortcut = "Ctrl+Q";

}  // namespace tally
