// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/dabiao_page.h"

#include <cmath>
#include <cstdio>

#include "page/html_page.h"
#include "pictures/picture_paper.h"
#include "progress/children.h"
#include "sheets/sheet.h"
#include "skills/dabiao_norms.h"
#include "skills/skill_mix.h"
#include "skills/skill_table.h"
#include "skills/skill_topics.h"

namespace tally {
namespace {

std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string mixLine(const ListedMix& listed, std::size_t place) {
    const std::string words = mixWords(listed.mix);
    const std::string parts = words.substr(words.find(' ') + 1);
    return "<li>" + escapeHtmlText(listed.mix.name) + (listed.example() ? "（" + std::string(kExampleLabel) + "）" : "") +
           "：" + escapeHtmlText(parts) + " <input class=button " +
           htmlAttribute("name", kDabiaoStartButton + std::to_string(place)) + " type=button value=开始></li>";
}

std::string bandLine(const DabiaoResult& result, double rate) {
    if (!result.norm) return "<p>这几项口算的标准表里还没有，所以不评等级。爸爸妈妈可以在“达标标准”里看。</p>";
    const MixNorm& norm = *result.norm;
    const FluencyBand band = fluencyBand(rate, norm);
    std::string line = "<p style=\"font-size:32px\">" + std::string(bandCaption(band)) + "</p><p>标准：每分钟答对" +
                       oneDecimal(norm.pass) + "道达标，" + oneDecimal(norm.good) + "道良好，" +
                       oneDecimal(norm.excellent) + "道优秀。</p>";
    if (band == FluencyBand::NotYet) line += "<p>没关系，每天练一练，会越来越快的！</p>";
    return line;
}

std::string missedList(const DabiaoResult& result) {
    if (result.missed.empty()) return result.done > 0 ? "<p>全都答对了，真棒！</p>" : "";
    std::string html = "<h3>答错的题</h3><ul>";
    for (const MissedQuestion& miss : result.missed) {
        html += "<li>" + escapeHtmlText(miss.question) + "　写的是" + escapeHtmlText(miss.typed);
        if (result.showAnswers) html += "，正确答案是" + escapeHtmlText(miss.correct);
        html += "</li>";
    }
    return html + "</ul>";
}

std::string termName(const FluencyNorm& row) { return termCaption(row.grade, row.secondTerm ? Term::second : Term::first); }

std::string normCell(const char* band, std::size_t row, int value, bool editable) {
    if (!editable) return "<td>" + std::to_string(value) + "</td>";
    return "<td><input class=text type=text size=3 " + htmlAttribute("name", normField(band, row)) + " " +
           htmlAttribute("value", std::to_string(value)) + "></td>";
}

std::string answerBox(const char* name, bool first) {
    return std::string("<input class=text type=text size=5") + (first ? " autofocus" : "") +
           " style=\"font-size:48px\" " + htmlAttribute("name", name) + ">";
}

// The question and where its answer goes: after it, in its two boxes, or on
// its picture through the hidden field.
std::string questionWithFields(const SkillQuestion& question) {
    const std::string text = escapeHtmlText(question.text);
    if (!question.setOnPicture.empty()) {
        return text + onPictureFieldHtml(*question.picture, kDabiaoAnswerField, question.setOnPicture, question.text);
    }
    const std::string box = "□";
    const std::size_t first = text.find(box);
    const std::size_t second = first == std::string::npos ? first : text.find(box, first + box.size());
    if (!question.secondBox || second == std::string::npos) return text + " " + answerBox(kDabiaoAnswerField, true);
    return text.substr(0, first) + answerBox(kDabiaoAnswerField, true) +
           text.substr(first + box.size(), second - first - box.size()) + answerBox(kDabiaoSecondField, false) +
           text.substr(second + box.size());
}

const char* hint(const SkillQuestion& question) {
    if (!question.setOnPicture.empty()) {
        return question.picture->fieldClass() == kDialField ? "在钟面上拨好了按回车。" : "在图上涂好了按回车。";
    }
    if (question.secondBox) return "两个框都写好了按回车。";
    return "写好得数按回车。有余数的写成“7……2”或“7余2”。";
}

}  // namespace

std::string normField(const char* band, std::size_t row) { return std::string("norm") + band + std::to_string(row); }

std::string clockText(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

std::string dabiaoStartHtml(const std::vector<ListedMix>& mixes, int minutes) {
    std::string html = "<h2>" + std::string(kDabiaoCaption) +
                       "</h2><p>在规定的时间里，一道一道地做口算：写好得数按回车，就出下一道，做过的题不能再改。"
                       "时间到了就看看每分钟答对了几道。</p><p>时间（1、3或5分钟）<input class=text type=text size=2 " +
                       htmlAttribute("name", kDabiaoMinutesField) + " " + htmlAttribute("value", std::to_string(minutes)) +
                       "> 分钟</p><p>选一张口算卷，点“开始”：</p><ul>";
    for (std::size_t i = 0; i < mixes.size(); ++i) html += mixLine(mixes[i], i + 1);
    return html + "</ul><p>也可以自己写口算和百分数，例如“20以内退位减法:100”：<input class=text type=text size=40 " +
           htmlAttribute("name", kDabiaoWordsField) + "> <input class=button " + htmlAttribute("name", kDabiaoGoButton) +
           " type=button value=开始></p>";
}

std::string dabiaoQuestionHtml(const SkillQuestion& question, int secondsLeft, int done, const std::string& said) {
    const std::string picture = question.picture ? pictureAboveHtml(*question.picture, kDabiaoAnswerField) : "";
    // A worded question is a sentence or two: it reads at a smaller size.
    const char* size = question.layout == QuestionLayout::worded ? "28px" : "56px";
    return "<div " + htmlAttribute("id", kDabiaoPageId) + " data-keys=\"Enter\"><p>还剩<b " +
           htmlAttribute("id", kDabiaoLeftId) + ">" + clockText(secondsLeft) + "</b>，已经做了" + std::to_string(done) +
           "道</p>" + picture + "<p style=\"font-size:" + size + ";margin:24px 0\">" + questionWithFields(question) +
           "</p><p " + htmlAttribute("id", kDabiaoSaidId) + ">" + escapeHtmlText(said) + "</p><p>" + hint(question) +
           "</p></div>";
}

std::string dabiaoResultHtml(const DabiaoResult& result) {
    const double rate = result.right / static_cast<double>(result.minutes);
    return "<h2>时间到！</h2><p style=\"font-size:32px\">每分钟答对" + oneDecimal(rate) + "道</p><p>" +
           std::to_string(result.minutes) + "分钟做了" + std::to_string(result.done) + "道，答对" +
           std::to_string(result.right) + "道。</p>" + bandLine(result, rate) + missedList(result) +
           "<p><input class=button " + htmlAttribute("name", kAgainButtonName) + " type=button value=再测一次></p>";
}

std::string normsHtml(const std::vector<FluencyNorm>& table, bool editable) {
    std::string html = "<h2>" + std::string(kNormsCaption) + "</h2><p>" + kNormsNote +
                       "</p><p>表里是每分钟答对几道题。一张卷子混合几项口算时，按每项的百分数折合。</p>"
                       "<table border=1 cellpadding=4><tr><th>学期</th><th>口算</th><th>达标</th><th>良好</th><th>优秀</th></tr>";
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FluencyNorm& row = table[i];
        const SkillRow* skill = findSkill(row.skillKey);
        html += "<tr><td>" + termName(row) + "</td><td>" + escapeHtmlText(skill ? skill->caption : row.skillKey) +
                "</td>" + normCell("pass", i, row.pass, editable) + normCell("good", i, row.good, editable) +
                normCell("excellent", i, row.excellent, editable) + "</tr>";
    }
    html += "</table>";
    if (editable) html += "<p><input class=button " + htmlAttribute("name", kNormSaveButton) + " type=button value=保存></p>";
    else html += "<p>要修改标准，请爸爸妈妈登录。</p>";
    return html;
}

}  // namespace tally
