// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/mix_page.h"

#include "base/topic_tag.h"
#include "page/html_page.h"
#include "skills/skill_mix.h"
#include "skills/skill_mix_sheet.h"
#include "skills/skill_page.h"

namespace tally {
namespace {

// The 达标 mix that schools ask for most, as the composer's first words.
constexpr const char* kComposerExample = "10以内加减:50 20以内不进位加法:20 20以内进位加法:30";

// "10以内加减 50%，20以内进位加法 50%".
std::string mixShares(const SkillMix& mix) {
    std::string shares;
    for (const MixPart& part : mix.parts) {
        const SkillRow* skill = findSkill(part.skillKey);
        shares += (shares.empty() ? "" : "，") + (skill ? skill->caption : part.skillKey) + " " +
                  std::to_string(part.share) + "%";
    }
    return shares;
}

// The composer's words: the parts without the count, which has its own field.
std::string partWords(const SkillMix& mix) {
    const std::string words = mixWords(mix);
    const std::size_t blank = words.find(' ');
    return blank == std::string::npos ? "" : words.substr(blank + 1);
}

std::string mixLabel(const ListedMix& listed) {
    return escapeHtmlText(listed.mix.name) + (listed.example() ? "（" + std::string(kExampleLabel) + "）" : "") + "，" +
           std::to_string(listed.mix.questionCount) + "道题：" + escapeHtmlText(mixShares(listed.mix));
}

std::string listHtml(const std::vector<ListedMix>& mixes) {
    std::string html = "<ul>";
    for (std::size_t i = 0; i < mixes.size(); ++i) {
        html += "<li>" + mixLabel(mixes[i]) + " <input class=button " +
                htmlAttribute("name", kMixStartButton + std::to_string(i + 1)) + " type=button value=出卷></li>";
    }
    return html + "</ul>";
}

std::string composerHtml(const SkillMix& shown) {
    return "<h3>自己编一张口算卷</h3>"
           "<p>写上题数（20到100道），再写每项口算和它占的百分数，合起来是100，例如“" +
           escapeHtmlText(kComposerExample) +
           "”。口算的名字和左边目录里的一样。</p>"
           "<p>题数 <input class=text " + htmlAttribute("name", kMixCountField) + " type=text size=4 " +
           htmlAttribute("value", std::to_string(shown.questionCount)) + "></p><p>口算和百分数 <input class=text " +
           htmlAttribute("name", kMixWordsField) + " type=text size=40 " + htmlAttribute("value", partWords(shown)) +
           "></p><p><input class=button " + htmlAttribute("name", kMixGoButton) +
           " type=button value=出卷></p><p>起个名字就能保存给这个孩子（要爸爸妈妈登录）：<input class=text " +
           htmlAttribute("name", kMixNameField) + " type=text size=16 " + htmlAttribute("value", shown.name) +
           "> <input class=button " + htmlAttribute("name", kMixSaveButton) + " type=button value=保存></p>";
}

// What the composer's fields hold as a mix, or why not.
MixReading typedMix(const Page& page) {
    return readMix(page.value(kMixCountField) + " " + page.value(kMixWordsField), page.value(kMixNameField));
}

void writeSheet(FamilyContext& context, const SkillMix& mix) {
    if (const std::string problem = mixSheetProblem(mix); !problem.empty()) {
        context.window.message("提示", problem);
        return;
    }
    const MixSheet sheet = composeSheet(mix, context.random);
    std::vector<SkillSheetItem> items;
    for (const MixQuestion& question : sheet.questions) items.push_back({findSkill(question.skillKey), question.question});
    std::string html = "<h2>" + escapeHtmlText(mix.name.empty() ? std::string(kMixCaption) : mix.name) + "</h2>";
    if (!sheet.shortfall.empty()) html += "<p>" + escapeHtmlText(sheet.shortfall) + "</p>";
    context.page.setBody(html + skillSheetHtml(items, context.options.drillForm));
}

void saveTyped(FamilyContext& context) {
    if (!context.showAnswers) {
        context.window.message("提示", "保存口算卷要请爸爸妈妈登录。");
        return;
    }
    const MixReading reading = typedMix(context.page);
    std::string said = reading.problem;
    if (said.empty()) said = context.mixes ? context.mixes->save(reading.mix) : ProgressRecord::kNoMixes;
    if (!said.empty()) {
        context.window.message("提示", said);
        return;
    }
    context.page.setBody(mixChooserHtml(listedMixes(context.mixes), reading.mix));
    context.window.message("提示", "口算卷“" + reading.mix.name + "”保存好了。");
}

}  // namespace

std::vector<ListedMix> listedMixes(MixShelf* shelf) {
    std::vector<ListedMix> listed;
    if (shelf) {
        for (SkillMix& mix : shelf->saved()) listed.push_back({std::move(mix)});
    }
    for (ListedMix& ready : readyMixes()) listed.push_back(std::move(ready));
    return listed;
}

std::string mixChooserHtml(const std::vector<ListedMix>& mixes, const std::optional<SkillMix>& typed) {
    const SkillMix shown = typed ? *typed : readMix(std::string("100 ") + kComposerExample).mix;
    return "<h2>口算卷</h2><p>一张卷子上按百分数混合几项口算，题目穿插着出，同一张卷子上不重复。"
           "下面标着“" + std::string(kExampleLabel) + "”的卷子只是举例：各个学校的要求不一样，可以照着自己编一张。</p>" +
           listHtml(mixes) + composerHtml(shown);
}

void mixPageClicked(FamilyContext& context, const std::string& elementName) {
    if (elementName == kMixGoButton) {
        const MixReading reading = typedMix(context.page);
        if (!reading.problem.empty()) context.window.message("提示", reading.problem);
        else writeSheet(context, reading.mix);
        return;
    }
    if (elementName == kMixSaveButton) {
        saveTyped(context);
        return;
    }
    const std::string start = kMixStartButton;
    if (elementName.rfind(start, 0) != 0) return;
    const std::vector<ListedMix> mixes = listedMixes(context.mixes);
    const int place = leadingNumber(elementName.substr(start.size()));
    if (place >= 1 && place <= static_cast<int>(mixes.size())) writeSheet(context, mixes[static_cast<std::size_t>(place) - 1].mix);
}

}  // namespace tally
