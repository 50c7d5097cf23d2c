// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>
#include <string>
#include <utility>

#include "page/html_parse.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

// The pictures read back as a child reads them: counters, beads, sticks and
// coins counted in the SVG the page shows, and the answer worked out from
// them, with the numbers of the text only where the question names them.

using Answer = std::pair<int, int>;  // the □, the second □ (0 when none)

struct Drawing {
    HtmlNodes nodes;
    explicit Drawing(const std::string& svg) : nodes(parseHtmlFragment(svg)) {}

    // The elements of `tag` whose class begins with `cls`, each with its
    // nearest group's position among the groups.
    template <typename Visit>
    void each(Visit visit) const {
        for (const auto& node : nodes) {
            int group = -1;
            forEachElement(*node, [&](const HtmlNode& e, int) {
                if (e.tagName == "g") ++group;
                visit(e, group);
                return false;
            });
        }
    }
    int count(const std::string& tag, const std::string& cls, int inGroup = -1) const {
        int n = 0;
        each([&](const HtmlNode& e, int group) {
            const bool inside = inGroup < 0 || group == inGroup;
            n += inside && e.tagName == tag && e.attribute("class").starts_with(cls);
        });
        return n;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        each([&](const HtmlNode& e, int) {
            if (e.tagName == "text" && !e.children.empty()) all.push_back(e.children[0]->text);
        });
        return all;
    }
};

int number(const std::string& text, const char* pattern) {
    std::smatch found;
    EXPECT_TRUE(std::regex_search(text, found, std::regex(pattern))) << text << " " << pattern;
    return found.empty() ? -1 : std::stoi(found[1]);
}

// "10元" or "5角" in 角.
int moneyValue(const std::string& label) {
    std::smatch found;
    if (!std::regex_match(label, found, std::regex(R"((\d+)(元|角))"))) return -1;
    return std::stoi(found[1]) * (found[2] == "元" ? 10 : 1);
}

int moneyDrawn(const Drawing& d) {
    int jiao = 0;
    bool tag = false;
    d.each([&](const HtmlNode& e, int) {
        tag = tag || e.attribute("class") == "tag";
        if (e.tagName == "text" && !tag && !e.children.empty()) jiao += moneyValue(e.children[0]->text);
    });
    return jiao;
}

// The price label's "7元5角" in 角.
int price(const Drawing& d) {
    int jiao = -1;
    d.each([&](const HtmlNode& e, int) {
        if (e.attribute("class") != "price" || e.children.empty()) return;
        std::smatch found;
        const std::string text = e.children[0]->text;
        if (!std::regex_match(text, found, std::regex(R"((?:(\d+)元)?(?:(\d)角)?)"))) return;
        jiao = (found[1].matched ? std::stoi(found[1]) * 10 : 0) + (found[2].matched ? std::stoi(found[2]) : 0);
    });
    return jiao;
}

int beadsOnRod(const Drawing& d, const std::string& name) {
    int rod = -1;
    d.each([&](const HtmlNode& e, int group) {
        if (e.tagName == "text" && !e.children.empty() && e.children[0]->text == name) rod = group;
    });
    return d.count("ellipse", "bead", rod);
}

int beadNumber(const Drawing& d) { return 100 * beadsOnRod(d, "百位") + 10 * beadsOnRod(d, "十位") + beadsOnRod(d, "个位"); }

using Reading = std::function<Answer(const Drawing&, const std::string& text)>;

Answer splitOrJoin(const Drawing& d, const std::string& text) {
    const int red = d.count("circle", "counter", 0);
    const int blue = d.count("circle", "counter", 1);
    if (text.find("合成") != std::string::npos) return {red + blue, 0};
    EXPECT_EQ(red, number(text, "分成(\\d+)和")) << text;
    EXPECT_EQ(red + blue, number(text, "一排(\\d+)个")) << text;
    return {blue, 0};
}

// The moved counters fill the first frame; ten and what is left over.
Answer madeTen(const Drawing& d, const std::string& text) {
    const int inFrame = d.count("circle", "counter", 0);
    const int moved = d.count("circle", "counter moved", 1);
    EXPECT_EQ(inFrame + moved, 10) << text;
    EXPECT_EQ(inFrame, number(text, "(\\d+)＋")) << text;
    EXPECT_EQ(d.count("circle", "counter", 1), number(text, "＋(\\d+)")) << text;
    return {10 + d.count("circle", "counter", 1) - moved, 0};
}

// 看大数，分小数: the smaller frame's moved counters fill the bigger one.
Answer madeTenOfBigger(const Drawing& d, const std::string& text) {
    const int smaller = d.count("circle", "counter", 0);
    const int moved = d.count("circle", "counter moved", 0);
    const int bigger = d.count("circle", "counter", 1);
    EXPECT_EQ(bigger + moved, 10) << text;
    EXPECT_EQ(smaller, number(text, "(\\d+)＋")) << text;
    EXPECT_EQ(bigger, number(text, "＋(\\d+)")) << text;
    return {10 + smaller - moved, 0};
}

// What is left of the ten after the crossing out, and the ones beside.
Answer brokeTen(const Drawing& d, const std::string& text) {
    EXPECT_EQ(d.count("circle", "counter", 0), 10) << text;
    const int crossed = d.count("line", "cross", 0);
    EXPECT_EQ(d.count("circle", "counter crossed", 0), crossed) << text;
    EXPECT_EQ(crossed, number(text, "－(\\d+)")) << text;
    return {10 - crossed + d.count("circle", "counter", 1), 0};
}

// Every stick counted, each bundle holding ten.
Answer sticks(const Drawing& d, const std::string& text) {
    d.each([&](const HtmlNode& e, int group) {
        if (e.attribute("class") == "bundle") EXPECT_EQ(d.count("line", "stick", group), 10) << text;
    });
    return {d.count("line", "stick"), 0};
}

Answer exchanged(const Drawing& d, const std::string& text) {
    const int given = moneyDrawn(d);
    if (text.ends_with("合起来是□角。")) return {given, 0};
    std::smatch wanted;
    EXPECT_TRUE(std::regex_search(text, wanted, std::regex(R"(换□(?:张|个)(\d+(?:元|角)))"))) << text;
    return {given / moneyValue(wanted[1]), 0};
}

Answer change(const Drawing& d, const std::string& text) {
    const int paid = moneyDrawn(d);
    EXPECT_EQ(paid, moneyValue(text.substr(3, text.find("买") - 3))) << text;
    const int left = paid - price(d);
    return {left / 10, left % 10};
}

const std::map<std::string, Reading>& readings() {
    static const std::map<std::string, Reading> table = {
        {"k1151", splitOrJoin},
        {"k1152", madeTen},
        {"k1153", madeTen},
        {"k1154", madeTenOfBigger},
        {"k1251", brokeTen},
        {"k1252", brokeTen},
        {"k1253", [](const Drawing& d, const std::string&) { return Answer{beadNumber(d), 0}; }},
        {"k1254", sticks},
        {"k1255", [](const Drawing& d, const std::string&) { return Answer{beadsOnRod(d, "十位"), beadsOnRod(d, "个位")}; }},
        {"k1256", [](const Drawing& d, const std::string&) { return Answer{moneyDrawn(d) / 10, moneyDrawn(d) % 10}; }},
        {"k1257", exchanged},
        {"k1258", change},
    };
    return table;
}

// Every question of every counting skill: what its picture shows (on the key
// for a counter the child sets) gives its answer.
TEST(CountingPictures, EveryPictureGivesItsQuestionsAnswer) {
    for (const auto& [key, read] : readings()) {
        const SkillRow* skill = findSkill(key);
        ASSERT_NE(skill, nullptr) << key;
        ASSERT_GT(skill->questions->size(), 5u) << key;
        for (std::size_t i = 0; i < skill->questions->size(); ++i) {
            const SkillQuestion q = skill->questions->question(i);
            ASSERT_TRUE(q.picture) << q.text;
            const Answer answer{q.result.numerator, q.secondBox.value_or(0)};
            EXPECT_EQ(read(Drawing(q.picture->svg(PictureView::key)), q.text), answer) << key << " " << q.text;
        }
    }
}

// A counter the child sets is empty on the page and the worksheet; the
// others draw the same in every view. Each picture has a title to be read.
TEST(CountingPictures, TheCounterToSetShowsItsBeadsOnTheKeyAlone) {
    for (const auto& [key, read] : readings()) {
        const SkillQuestion q = findSkill(key)->questions->question(0);
        for (const PictureView view : {PictureView::screen, PictureView::worksheet}) {
            const std::string svg = q.picture->svg(view);
            EXPECT_NE(svg.find("<title>"), std::string::npos) << key;
            EXPECT_NE(svg.find("role=\"img\""), std::string::npos) << key;
            if (key == "k1255") EXPECT_EQ(Drawing(svg).count("ellipse", "bead"), 0);
            else EXPECT_EQ(svg, q.picture->svg(PictureView::key)) << key;
        }
    }
}

}  // namespace
}  // namespace tally
