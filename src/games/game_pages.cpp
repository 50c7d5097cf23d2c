// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/game_pages.h"

#include "base/text.h"

namespace tally {
namespace {

constexpr int kSectionTopic = 6;

}  // namespace

std::string gamePagePath(int topic) {
    switch (topic) {
        case 65: return "flash/1.htm";
        case 66: return "flash/2.htm";
        case 63: case 64: case 67: case 68: case 69:
        case 601: case 602: case 603: case 604:
        case 606: case 607: case 608: case 609: case 610: case 611: case 612:
            return "flash/" + std::to_string(topic) + ".htm";
        default: return "";
    }
}

bool GamePagesFamily::builds(const TopicTagParts& tag) const {
    return tag.sigil == "!" && (tag.number == kSectionTopic || !gamePagePath(tag.number).empty());
}

void GamePagesFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    if (click.tag.number == kSectionTopic) {
        sheet.html += withLineBreaks(context.texts.text("Text4"), "<br>");
        return;
    }
    context.window.navigate(Pane::WebBrowser2, gamePagePath(click.tag.number));
    context.window.bringToFront(Pane::WebBrowser2);
    sheet.keepPage = true;
}

TopicSections GamePagesFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T10") return {};
    return {{{
        {"q6", "数学游戏", "!6", ""},
        {"q63", "找数字求和", "!63", "q6"},
        {"q64", "智力跳棋", "!64", "q6"},
        {"q65", "测试心算能力", "!65", "q6"},
        {"q66", "测试点击速度", "!66", "q6"},
        {"q67", "填方格", "!67", "q6"},
        {"q68", "测试打字速度", "!68", "q6"},
        {"q69", "猜数的大小", "!69", "q6"},
        {"q601", "四面撞击游戏", "!601", "q6"},
        {"q602", "测试反应能力", "!602", "q6"},
        {"q603", "撞击游戏", "!603", "q6"},
        {"q604", "魔法实验室", "!604", "q6"},
        {"q606", "冰球大赛", "!606", "q6"},
        {"q607", "洞中探险", "!607", "q6"},
        {"q608", "搞笑蹦蹦床", "!608", "q6"},
        {"q609", "狗狗VS肉骨头", "!609", "q6"},
        {"q610", "过山小车", "!610", "q6"},
        {"q611", "海底探宝", "!611", "q6"},
        {"q612", "数形状", "!612", "q6"},
    }}};
}

bool GamePagesFamily::takesKeyboard(const TopicTagParts& tag) const {
    return builds(tag) && !gamePagePath(tag.number).empty();
}

}  // namespace tally
