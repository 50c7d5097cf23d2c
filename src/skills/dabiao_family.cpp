// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/dabiao_family.h"

#include "base/topic_tag.h"
#include "progress/progress_record.h"
#include "sheets/typed_answer.h"
#include "skills/dabiao_norms.h"
#include "skills/dabiao_page.h"
#include "skills/mix_page.h"
#include "skills/skill_mix.h"
#include "skills/skill_topics.h"

namespace tally {
namespace {

constexpr int kFirstMinutes = 3;

std::vector<FluencyNorm> currentNorms(FamilyContext& context) {
    return normTable(context.norms ? context.norms->edited() : std::vector<FluencyNorm>{});
}

// A row of the norm page as the parent left it, or nothing when a field is
// not a whole number.
std::optional<FluencyNorm> typedRow(const Page& page, const FluencyNorm& shown, std::size_t row) {
    FluencyNorm typed = shown;
    int* values[] = {&typed.pass, &typed.good, &typed.excellent};
    const char* bands[] = {"pass", "good", "excellent"};
    for (int i = 0; i < 3; ++i) {
        const std::string text = foldTypedAnswer(page.value(normField(bands[i], row)));
        if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
        *values[i] = std::stoi(text);
    }
    return typed;
}

}  // namespace

bool DabiaoFamily::builds(const TopicTagParts& tag) const { return tag.sigil == "达" && (tag.number == 1 || tag.number == 2); }

TopicSections DabiaoFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != kSkillTab) return {};
    return {{{{kDabiaoKey, kDabiaoCaption, kDabiaoTag, ""}, {kNormsKey, kNormsCaption, kNormsTag, kDabiaoKey}}, kMixKey}};
}

void DabiaoFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    if (click.key == kNormsKey) {
        sheet.html += normsHtml(currentNorms(context), context.showAnswers);
        return;
    }
    sheet.html += dabiaoStartHtml(listedMixes(context.mixes), kFirstMinutes);
}

void DabiaoFamily::startTest(FamilyContext& context, const SkillMix& given, const std::string& minutesText) {
    const std::string minutes = foldTypedAnswer(minutesText);
    if (minutes != "1" && minutes != "3" && minutes != "5") {
        context.window.message("提示", "时间请写1、3或5分钟。");
        return;
    }
    SkillMix mix = given;
    mix.questionCount = kMostMixQuestions;
    if (const std::string problem = mixSheetProblem(mix); !problem.empty()) {
        context.window.message("提示", problem);
        return;
    }
    run_.start(context, mix, minutes[0] - '0');
}

std::optional<MarkedSheet> DabiaoFamily::clicked(FamilyContext& context, const std::string& gradingKey,
                                                 const std::string& elementName) {
    if (gradingKey == kNormsKey && elementName == kNormSaveButton) saveNorms(context);
    if (gradingKey != kDabiaoKey || run_.running()) return std::nullopt;
    const std::string minutes = context.page.value(kDabiaoMinutesField);
    if (elementName == kDabiaoGoButton) {
        const MixReading reading = readMix("100 " + context.page.value(kDabiaoWordsField));
        if (!reading.problem.empty()) context.window.message("提示", reading.problem);
        else startTest(context, reading.mix, minutes);
        return std::nullopt;
    }
    const std::string start = kDabiaoStartButton;
    if (elementName.rfind(start, 0) != 0) return std::nullopt;
    const std::vector<ListedMix> mixes = listedMixes(context.mixes);
    const int place = leadingNumber(elementName.substr(start.size()));
    if (place >= 1 && place <= static_cast<int>(mixes.size())) {
        startTest(context, mixes[static_cast<std::size_t>(place) - 1].mix, minutes);
    }
    return std::nullopt;
}

std::optional<MarkedSheet> DabiaoFamily::keyPressed(FamilyContext& context, const std::string& key) {
    if (key == "Enter" && run_.running() && context.page.has(kDabiaoAnswerField)) {
        run_.answer(context, {context.page.value(kDabiaoAnswerField), context.page.value(kDabiaoSecondField)});
    }
    return std::nullopt;
}

std::optional<MarkedSheet> DabiaoFamily::tick(FamilyContext& context, int /*timer*/) { return run_.tick(context); }

void DabiaoFamily::leave(FamilyContext& context) {
    if (run_.running() && context.page.has(kDabiaoPageId)) {
        context.page.setBody("<p>口算达标没做完就离开了，这次不算成绩。</p>");
    }
    run_.stop(context);
}

void DabiaoFamily::saveNorms(FamilyContext& context) {
    if (!context.showAnswers) {
        context.window.message("提示", "修改达标标准要请爸爸妈妈登录。");
        return;
    }
    const std::vector<FluencyNorm> shown = currentNorms(context);
    for (std::size_t row = 0; row < shown.size(); ++row) {
        const std::optional<FluencyNorm> typed = typedRow(context.page, shown[row], row);
        std::string problem = typed ? fluencyNormProblem(*typed) : "每个格子里要写一个整数。";
        if (problem.empty() && *typed == shown[row]) continue;
        if (problem.empty()) problem = context.norms ? context.norms->save(*typed) : ProgressRecord::kNoNorms;
        if (!problem.empty()) {
            context.window.message("提示", "第" + std::to_string(row + 1) + "行没有保存：" + problem);
            return;
        }
    }
    context.page.setBody(normsHtml(currentNorms(context), true));
    context.window.message("提示", "达标标准保存好了。");
}

}  // namespace tally
