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

}  // namespace

std::string levelSetupPage(int msPerQuestion) {
    std::string html = "难度选择：<br><br>";
    for (const DifficultyRadio& radio : kDifficulties) html += difficultyRadio(radio, radio.ms == msPerQuestion);
    return html;
}

std::string levelStartNotice(int msPerQuestion) {
    return "<br><br>" + std::to_string(msPerQuestion / 1000) + "秒后开始算术闯关，做好准备哦。";
}

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

std::string levelQuestionPage(const LevelQuestion& q) {
    std::string html = "第" + std::to_string(q.level) + "关：<span id=spanguan></span><br><br>" + "第" +
                       std::to_string(q.number) + "题：" + std::to_string(q.first) + q.sign +
                       std::to_string(q.second) + "=" +
                       " <input class=text name=answerguoguan type=text size=7 tag=" + std::to_string(q.answer) +
                       ">" + "<br><br>";
    for (int k = 1; k <= 4; ++k) html += choiceRadio(k, q.answer - q.shift + k - 1);
    return html;
}

std::string levelPassedPage(int nextLevel, const std::array<int, 4>& counters) {
    std::string html = "做好准备！第 " + std::to_string(nextLevel) + "关开始了！";
    auto any = [&](auto test) { return std::any_of(counters.begin(), counters.end(), test); };
    if (any([](int c) { return c == 1; })) html += "<br><br><img src=g1.gif>";
    if (any([](int c) { return c == 2; })) html += "<br><br><img src=g2.gif>";
    if (any([](int c) { return c > 2; })) html += "<br><br><img src=g3.gif>";
    return html;
}

}  // namespace tally
