// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>

#include "topics/topic_family.h"

namespace tally {

// The options dialog: three groups of option buttons and the switch of the
// tree's marks, the values in use selected when it opens; only "确定" applies
// the choices. The marks are the parent's to turn off or on.
class OptionsDialog {
public:
    static constexpr const char* kTitle = "选项";
    static constexpr const char* kCountGroup = "计算题的出题数";
    static constexpr const char* kMemoryGroup = "游戏－训练记忆的记忆时间";
    static constexpr const char* kDecimalGroup = "小数题小数位数设置";
    static constexpr std::array<const char*, 3> kCountCaptions = {"10道题", "20道题", "50道题"};
    static constexpr std::array<int, 3> kCountValues = {10, 20, 50};
    static constexpr std::array<const char*, 3> kMemoryCaptions = {"8秒", "5秒", "3秒"};
    static constexpr std::array<int, 3> kMemoryValues = {8, 5, 3};
    static constexpr std::array<const char*, 4> kDecimalCaptions = {"1位", "2位", "3位", "4位"};
    static constexpr const char* kMarksSwitch = "在目录里显示练习的小圆点（练过、熟练、要加油）";
    static constexpr const char* kMarksParentOnly = "（爸爸妈妈登录以后可以改）";
    static constexpr const char* kConfirm = "确定";

    OptionsDialog(SheetOptions& options, bool parentLoggedIn);

    // The selected button of each group, -1 for none; at first the buttons
    // of the values in use.
    int countChoice = -1;
    int memoryChoice = -1;
    int decimalChoice = -1;  // offered, read by nothing
    bool marksChoice = true;
    bool marksLocked() const { return !parentLoggedIn_; }
    // "确定".
    void confirm();
    bool closed() const { return closed_; }

private:
    SheetOptions& options_;
    bool parentLoggedIn_;
    bool closed_ = false;
};

}  // namespace tally
