// SPDX-License-Identifier: GPL-3.0-or-later
#include "levelgame/level_page.h"

#include <algorithm>

#include "levelgame/level_run.h"

namespace tally {
namespace {

struct DifficultyRadio {
    int ms;
    const char* name;
    const char* tag;
    const char* caption;
};

constexpr std::array<DifficultyRadio, 3> kDifficulties = {{
    {9000, "n1", "容易", "初级算术魔法师：9秒一道题"},
    {7000, "n2", "中等", "中级算术魔法师：7秒一道题"},
    {5000, "n3", "较难", "高级算术魔法师：5秒一道题"},
}};

std::string difficultyRadio(const DifficultyRadio& radio, bool checked) {
    return std::string("<input type=radio name=") + radio.name + " value=V2 tag=" + radio.tag +
           (checked ? " checked" : "") + ">" + radio.caption + "&nbsp;&nbsp;<br>";
}

std::string choiceRadio(int k, int value) {
    // The first radio is written with two blanks before its name.
    const std::string open = k == 1 ? "<input type=radio  name=R1" : "<input type=radio name=R" + std::to_string(k);
    const std::string v = std::to_string(value);
    return open + " value=V1 tag=" + v + ">" + v + "&nbsp;&nbsp;";
}

std::string framed(const std::string& html, bool takesKeys) {
    return std::string("<div id=") + kLevelPageId + (takesKeys ? std::string(" data-keys=\"") + kLevelKeys + "\"" : "") +
           ">" + html + "</div>";
}

}  // namespace

std::string levelSetupPage(int msPerQuestion) {
    std::string html =
        "<h1>算术过关游戏</h1><p>每一关答对10道题就过关。每道题都要在规定的时间里答出来；"
        "答错了或者时间到了，就用掉一条命，一共有3条命。</p>难度选择：<br><br>";
    for (const DifficultyRadio& radio : kDifficulties) html += difficultyRadio(radio, radio.ms == msPerQuestion);
    return html +
           "<p>选好难度，再点“加法”“减法”“乘法”或“除法”开始，题马上就来。"
           "可以用鼠标点答案，也可以按数字键1～4或方向键选答案，再按回车。</p>";
}

std::string LevelQuestion::text() const { return std::to_string(first) + sign + std::to_string(second) + "="; }

LevelQuestion levelQuestion(int operation, const LevelPair& pair) {
    const int a = pair.a;
    const int b = pair.b;
    LevelQuestion q;
    auto shown = [&q](int first, const char* sign, int second, int answer) {
        q.first = first;
        q.sign = sign;
        q.second = second;
        q.answer = answer;
    };
    switch (operation) {
        case kLevelAddition: shown(a, "+", b, a + b); break;
        case kLevelSubtraction: shown(a + b, "-", b, a); break;
        case kLevelMultiplication: shown(a, "×", b, a * b); break;
        default: shown(a * b, "÷", b, a); break;
    }
    return q;
}

std::string livesHtml(int lives) {
    std::string html;
    for (int life = 0; life < kLevelLives; ++life) html += life < lives ? "♥" : "♡";
    return html;
}

std::string progressHtml(int right) {
    std::string html;
    for (int block = 0; block < right; ++block) html += "<img src=jindu.gif>";
    return html + "&nbsp;答对" + std::to_string(right) + "题，再答对" + std::to_string(kLevelRightToPass - right) +
           "题过关";
}

std::string levelQuestionPage(const LevelQuestion& q) {
    std::string html = "第" + std::to_string(q.level) + "关：<span id=spanguan>" + std::to_string(q.seconds) +
                       "秒</span>&nbsp;&nbsp;&nbsp;&nbsp;生命：<span id=lives style=\"color:#d00\">" +
                       livesHtml(q.lives) + "</span><br><span id=progress>" + progressHtml(q.right) +
                       "</span><br><br>第" + std::to_string(q.number) + "题：" + q.text() +
                       " <input class=text name=answerguoguan type=text size=7 tag=" + std::to_string(q.answer) +
                       "><br><br>";
    for (int k = 1; k <= 4; ++k) html += choiceRadio(k, q.answer - q.shift + k - 1);
    html += "<br><br><span id=feedback></span><br><br>"
            "<small>按数字键1～4或方向键选答案，按回车确定；也可以在方框里写出答案，再按回车。</small>";
    return framed(html, true);
}

std::string levelPassedPage(int nextLevel, const std::array<int, 4>& counters) {
    std::string html = "做好准备！第 " + std::to_string(nextLevel) + "关开始了！";
    auto any = [&](auto test) { return std::any_of(counters.begin(), counters.end(), test); };
    if (any([](int c) { return c == 1; })) html += "<br><br><img src=g1.gif>";
    if (any([](int c) { return c == 2; })) html += "<br><br><img src=g2.gif>";
    if (any([](int c) { return c > 2; })) html += "<br><br><img src=g3.gif>";
    return framed(html, false);
}

std::string levelLostPage(int level) {
    return framed("三条命用完了，没关系！做好准备，第" + std::to_string(level) + "关重新开始，加油！", false);
}

std::string levelLeftPage(const std::string& caption) {
    return "你离开了算术闯关，这一关已经结束了。<br><br>想再玩，就再点一次“算术过关游戏”下面的“" + caption +
           "”，从这一关的第1题开始。";
}

}  // namespace tally
