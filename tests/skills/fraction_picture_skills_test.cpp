// SPDX-License-Identifier: GPL-3.0-or-later
// Every question of the fraction-picture skills answered again from its
// picture alone: the parts of each shape counted, the shaded ones by their
// colour, each shape checked to be divided equally.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "base/seeded_random.h"
#include "exact_reading.h"
#include "page/html_page.h"
#include "skills/skill_page.h"
#include "skills/skill_question_lookup.h"
#include "skills/skill_sheet.h"
#include "svg_reading.h"

namespace tally {
namespace {

using namespace picture_reading;

struct ShapeReading {
    int parts = 0;
    int shaded = 0;
    double length = 0;        // a bar's
    double shadedLength = 0;  // of its shaded parts
    std::vector<double> sizes;  // each part's width, or its angle in degrees
};

double sectorAngle(const Element& part) {
    const std::vector<double> d = numbersIn(part.of("d"));  // M cx cy L x y A r r 0 0 1 x y Z
    const double from = std::atan2(d[3] - d[1], d[2] - d[0]);
    const double to = std::atan2(d[10] - d[1], d[9] - d[0]);
    return std::fmod((to - from) * 180 / std::numbers::pi + 360, 360);
}

std::vector<ShapeReading> shapesOf(const std::string& svg) {
    std::vector<ShapeReading> shapes;
    for (const Element& e : elementsOf(svg)) {
        if (e.of("class") == "shape") shapes.emplace_back();
        if (e.of("class") != "part") continue;
        ShapeReading& shape = shapes.back();
        const bool shaded = e.of("fill") != "#ffffff";
        const double size = e.tag == "rect" ? e.number("width") : sectorAngle(e);
        shape.parts += 1;
        shape.shaded += shaded;
        shape.sizes.push_back(size);
        if (e.tag == "rect") shape.length += size, shape.shadedLength += shaded ? size : 0;
    }
    return shapes;
}

// 平均分: every part of a shape the same size, a circle's going round once.
void expectEqualParts(const ShapeReading& shape, const std::string& text) {
    for (const double size : shape.sizes) EXPECT_NEAR(size, shape.sizes.front(), 0.5) << text;
    if (shape.length == 0) {
        EXPECT_NEAR(shape.sizes.front() * shape.parts, 360, 1) << text;
    }
}

// The one shape: shaded parts over parts, as counted.
std::string countedFraction(const SkillQuestion& q, const std::vector<ShapeReading>& shapes) {
    EXPECT_EQ(shapes.size(), 1u) << q.text;
    return std::to_string(shapes[0].shaded) + "/" + std::to_string(shapes[0].parts);
}

// The place of the one shape whose shaded part is the fraction asked.
std::string chosenShape(const SkillQuestion& q, const std::vector<ShapeReading>& shapes) {
    const auto asked = reading::match(q.text, R"(.*是(\d+)/(\d+)？第□个。)");
    EXPECT_EQ(shapes.size(), 3u) << q.text;
    std::string found;
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        if (shapes[i].shaded * reading::at(asked, 2) != shapes[i].parts * reading::at(asked, 1)) continue;
        EXPECT_TRUE(found.empty()) << q.text;
        found = std::to_string(i + 1);
    }
    return found;
}

// Two bars of one length, the top one a/b, the bottom one of d parts; the
// shaded lengths equal, the answer the bottom one's shaded parts.
std::string equalShading(const SkillQuestion& q, const std::vector<ShapeReading>& shapes) {
    const auto said = reading::match(q.text, R"(.*：(\d+)/(\d+)＝□/(\d+))");
    EXPECT_EQ(shapes.size(), 2u) << q.text;
    EXPECT_EQ(shapes[0].shaded, reading::at(said, 1)) << q.text;
    EXPECT_EQ(shapes[0].parts, reading::at(said, 2)) << q.text;
    EXPECT_EQ(shapes[1].parts, reading::at(said, 3)) << q.text;
    EXPECT_NEAR(shapes[0].length, shapes[1].length, 0.5) << q.text;
    EXPECT_NEAR(shapes[0].shadedLength, shapes[1].shadedLength, 1) << q.text;
    return std::to_string(shapes[1].shaded);
}

const std::pair<const char*, std::function<std::string(const SkillQuestion&, const std::vector<ShapeReading>&)>>
    kFractionSkills[] = {{"k3161", countedFraction}, {"k3162", chosenShape}, {"k5261", equalShading}};

TEST(FractionPictureSkills, EveryAnswerIsCountedOffItsPicture) {
    for (const auto& [key, read] : kFractionSkills) {
        const SkillRow* row = findSkill(key);
        ASSERT_NE(row, nullptr) << key;
        for (std::size_t i = 0; i < row->questions->size(); ++i) {
            const SkillQuestion q = row->questions->question(i);
            ASSERT_TRUE(q.picture) << q.text;
            const std::vector<ShapeReading> shapes = shapesOf(q.picture->svg(PictureView::screen));
            for (const ShapeReading& shape : shapes) expectEqualParts(shape, q.text);
            EXPECT_EQ(read(q, shapes), numberText(q.answer())) << key << " " << q.text;
        }
    }
}

// 涂一涂: nothing is shaded on the screen or the worksheet; the key shades as
// many of the shape's equal parts as the fraction asked has in its numerator,
// the parts being as many as its denominator.
TEST(FractionPictureSkills, TheShapeToShadeIsShadedOnTheKeyAlone) {
    const SkillRow* row = findSkill("k3163");
    ASSERT_NE(row, nullptr);
    for (std::size_t i = 0; i < row->questions->size(); ++i) {
        const SkillQuestion q = row->questions->question(i);
        const auto asked = reading::match(q.text, R"(涂一涂：把一个(长方形|圆)平均分成(\d+)份，涂色表示(\d+)/(\d+)。)");
        ASSERT_FALSE(asked.empty()) << q.text;
        const std::vector<ShapeReading> key = shapesOf(q.picture->svg(PictureView::key));
        ASSERT_EQ(key.size(), 1u) << q.text;
        expectEqualParts(key[0], q.text);
        EXPECT_EQ(key[0].shaded, reading::at(asked, 3)) << q.text;
        EXPECT_EQ(key[0].parts, reading::at(asked, 4)) << q.text;
        EXPECT_EQ(q.setOnPicture, std::to_string(key[0].shaded)) << q.text;
        for (const PictureView view : {PictureView::screen, PictureView::worksheet}) {
            EXPECT_EQ(shapesOf(q.picture->svg(view)).at(0).shaded, 0) << q.text;
        }
    }
}

// On a sheet each picture stands above its question, says what it shows to a
// screen reader, and a miss keeps the question's own words, not the picture's, so
// it is found again.
TEST(PictureSkillSheet, PicturesStandAboveTheirQuestionsAndMissesKeepTheWords) {
    SeededRandom random(11);
    std::vector<SkillSheetItem> items;
    for (const char* key : {"k1161", "k1261", "k2161", "k3161", "k3162", "k3261", "k5261", "k6261"}) {
        for (SkillQuestion& q : drawSheet(*findSkill(key)->questions, random, 3)) items.push_back({findSkill(key), q});
    }
    HtmlPage page;
    page.setBody(skillSheetHtml(items, DrillForm::Vertical));
    for (std::size_t i = 1; i <= items.size(); ++i) {
        for (const char* field : {"answer", "answerup", "answerdown"}) page.setValue(field + std::to_string(i), "999");
    }
    const MarkedSheet marks = markSkillSheet(page, static_cast<int>(items.size()), 30);
    ASSERT_EQ(marks.missed.size(), items.size());
    std::size_t pictures = 0;
    for (const Element& e : elementsOf(page.bodyHtml())) {
        if (e.tag != "svg") continue;
        EXPECT_EQ(e.of("role"), "img");
        ++pictures;
    }
    EXPECT_EQ(pictures, items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto found = skillQuestionOfText(*items[i].skill, marks.missed[i].question);
        EXPECT_TRUE(found && found->correct == marks.missed[i].correct) << marks.missed[i].question;
        const auto picture = elementsOf(items[i].question.picture->svg(PictureView::screen));
        EXPECT_TRUE(picture.at(1).tag == "title" && !picture.at(1).words.empty()) << items[i].question.text;
    }
}

}  // namespace
}  // namespace tally
