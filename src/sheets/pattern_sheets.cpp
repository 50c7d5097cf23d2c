// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/pattern_sheets.h"

#include <array>
#include <string>

#include "sheets/marking.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

constexpr int kItems = 8;
using Series = std::array<int, kItems>;

constexpr const char* kPatternIntroduction =
    "规律运算说明：请看数学讲座，对这种形式的题有专门的讲解！";

// The eight items of a series; `offset` is drawn 2..9 for every topic, the
// further steps only for the topics that need them (after the gap position).
Series series(FamilyContext& context, int topic, int offset) {
    Series items{};
    switch (topic) {
        case 91:  // a+1, a+2, ...
        case 92:  // a+2, a+4, ...
            for (int k = 1; k <= kItems; ++k) items[k - 1] = offset + (topic - 90) * k;
            break;
        case 93: {  // one larger step, 3..9
            const int step = context.draw(7, 3);
            for (int k = 1; k <= kItems; ++k) items[k - 1] = offset + step * k;
            break;
        }
        case 94: {  // a small and a large step taking turns
            const int small = context.draw(4, 1);  // 1..4
            const int large = context.draw(5, 5);  // 5..9
            items[0] = offset;
            for (int k = 1; k < kItems; ++k) items[k] = items[k - 1] + (k % 2 == 1 ? small : large);
            break;
        }
        default: {  // 95: every item doubles the one before
            items[0] = offset;
            for (int k = 1; k < kItems; ++k) items[k] = items[k - 1] * 2;
            break;
        }
    }
    return items;
}

std::string patternQuestion(FamilyContext& context, int topic, int question) {
    const int offset = context.draw(8, 2);  // 2..9
    const int gap = context.draw(6, 2);     // item 2..7
    const Series items = series(context, topic, offset);
    std::string html = questionHead(question);
    for (int k = 1; k <= kItems; ++k) {
        const std::string item = std::to_string(items[k - 1]);
        html += k == gap ? answerField(question, item) + ";" : item + ";";
    }
    return html + "<br><br>";
}

}  // namespace

bool PatternFamily::builds(const TopicTagParts& tag) const { return tag.sigil == "*"; }

bool PatternFamily::marks(const std::string& gradingKey) const {
    return gradingKey.starts_with("q9") && gradingKey.size() <= 3;
}

void PatternFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int topic = click.tag.number;
    if (topic == 9) {
        sheet.html += kPatternIntroduction;
        return;
    }
    if (topic < 91 || topic > 95) return;
    for (int i = 1; i <= context.options.questionCount; ++i) sheet.html += patternQuestion(context, topic, i);
    sheet.html += std::string(kFinishButton) + "<br><br>";
}

std::optional<MarkedSheet> PatternFamily::mark(FamilyContext& context, const std::string&) {
    return markEachQuestion(context.page, context.thinkSeconds);
}

TopicSections PatternFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T4") return {};
    return {{{
        {"q9", "规律运算", "*9", ""},
        {"q91", "最简单", "*91", "q9"},
        {"q92", "简单", "*92", "q9"},
        {"q93", "中等", "*93", "q9"},
        {"q94", "较难", "*94", "q9"},
        {"q95", "最难", "*95", "q9"},
    }}};
}

}  // namespace tally
