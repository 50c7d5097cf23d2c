// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/game_pages.h"

#include "shell/text.h"

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

bool GamePagesFamily::takesKeyboard(const TopicTagParts& tag) const {
    return builds(tag) && !gamePagePath(tag.number).empty();
}

}  // namespace tally
