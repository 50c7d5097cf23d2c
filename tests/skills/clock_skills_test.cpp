// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "page/html_page.h"
#include "page/html_parse.h"
#include "pictures/clock_picture.h"
#include "skills/skill_page.h"
#include "skills/skill_table.h"

namespace tally {
namespace {

// A time read off a drawn face as a child reads it: the hands' angles from
// their end points, the minutes and hours net of the share the faster hand
// carries them on.
struct ReadTime {
    int hours = 0, minutes = 0, seconds = 0;
    bool operator==(const ReadTime&) const = default;
};

double angleOf(const HtmlNode& hand) {
    const double dx = std::stod(hand.attribute("x2")) - std::stod(hand.attribute("x1"));
    const double dy = std::stod(hand.attribute("y1")) - std::stod(hand.attribute("y2"));
    const double degrees = std::atan2(dx, dy) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

int around(double value, int modulus) { return ((static_cast<int>(std::lround(value)) % modulus) + modulus) % modulus; }

// Every face of the SVG, in order; a face is a hour hand with what follows it.
std::vector<ReadTime> facesOf(const std::string& svg) {
    HtmlNodes nodes = parseHtmlFragment(svg);
    std::vector<ReadTime> faces;
    std::vector<double> hour, minute, second;
    for (auto& node : nodes) {
        forEachElement(*node, [&](HtmlNode& element, int) {
            const std::string which = element.attribute("class");
            if (which == "hour") hour.push_back(angleOf(element)), second.push_back(-1);
            if (which == "minute") minute.push_back(angleOf(element));
            if (which == "second") second.back() = angleOf(element);
            return false;
        });
    }
    for (std::size_t i = 0; i < hour.size(); ++i) {
        ReadTime t;
        t.seconds = second[i] < 0 ? 0 : around(second[i] / 6, 60);
        t.minutes = around((minute[i] - t.seconds / 10.0) / 6, 60);
        t.hours = around((hour[i] - (t.minutes + t.seconds / 60.0) / 2) / 30, 12);
        if (t.hours == 0) t.hours = 12;
        faces.push_back(t);
    }
    return faces;
}

TEST(ClockFacePictureTest, HandsReadBackAsTheTimeDrawn) {
    const std::vector<ClockTime> times = {{12, 0, 0}, {8, 30, 0}, {3, 59, 59}, {11, 1, 5}, {6, 45, 30}, {0, 0, 0}};
    for (const ClockTime& time : times) {
        const auto faces = facesOf(ClockFacePicture(time, true, ClockFacePicture::Use::read).svg(PictureView::screen));
        ASSERT_EQ(faces.size(), 1u);
        const int onFace = time.hours % 12 == 0 ? 12 : time.hours % 12;
        EXPECT_EQ(faces[0], (ReadTime{onFace, time.minutes, time.seconds})) << time.hours << ":" << time.minutes;
    }
}

TEST(ClockFacePictureTest, ASetFaceIsEmptyOnPaperAndShowsTheTimeOnTheKey) {
    const ClockFacePicture picture({8, 30, 0}, false, ClockFacePicture::Use::set);
    EXPECT_EQ(facesOf(picture.svg(PictureView::screen)), (std::vector<ReadTime>{{12, 0, 0}}));
    EXPECT_TRUE(facesOf(picture.svg(PictureView::worksheet)).empty());
    EXPECT_EQ(facesOf(picture.svg(PictureView::key)), (std::vector<ReadTime>{{8, 30, 0}}));
    EXPECT_EQ(picture.svg(PictureView::screen).find("8时30分"), std::string::npos);
}

int secondBoxOf(const SkillQuestion& q) { return q.secondBox.value_or(0); }

// Each reading skill's every question: its answer boxes hold what its face shows.
TEST(ClockSkillsTest, EveryReadingAnswerIsWhatTheFaceShows) {
    for (const char* key : {"k1141", "k2141", "k2142", "k3141", "k3241"}) {
        const QuestionSpace& space = *findSkill(key)->questions;
        ASSERT_GT(space.size(), 0u) << key;
        for (std::size_t i = 0; i < space.size(); ++i) {
            const SkillQuestion q = space.question(i);
            const auto faces = facesOf(q.picture->svg(PictureView::screen));
            ASSERT_EQ(faces.size(), 1u) << q.text;
            const ReadTime& t = faces[0];
            if (std::string(key) == "k3141") {
                EXPECT_NE(q.text.find("是" + std::to_string(t.hours) + "时□分□秒"), std::string::npos) << q.text;
                EXPECT_EQ(q.result.numerator, t.minutes) << q.text;
                EXPECT_EQ(secondBoxOf(q), t.seconds) << q.text;
                continue;
            }
            int hours = t.hours;
            if (q.text.starts_with("下午") || q.text.starts_with("晚上")) hours += 12;
            EXPECT_EQ(q.result.numerator, hours) << q.text;
            EXPECT_EQ(secondBoxOf(q), t.minutes) << q.text;
        }
    }
}

TEST(ClockSkillsTest, TimePassedIsTheDifferenceOfTheTwoFaces) {
    const QuestionSpace& space = *findSkill("k3142")->questions;
    for (std::size_t i = 0; i < space.size(); ++i) {
        const SkillQuestion q = space.question(i);
        const auto faces = facesOf(q.picture->svg(PictureView::screen));
        ASSERT_EQ(faces.size(), 2u) << q.text;
        const int start = faces[0].hours % 12 * 60 + faces[0].minutes;
        const int end = faces[1].hours % 12 * 60 + faces[1].minutes;
        EXPECT_EQ(q.result.numerator, ((end - start) % 720 + 720) % 720) << q.text;
    }
}

// The hands' value as the view writes it, marked against the time asked.
TEST(ClockSkillsTest, SettingTheClockIsRightOnlyAtTheTimeAsked) {
    const SkillRow* skill = findSkill("k1142");
    SkillSheetItem asked{skill, {}};
    for (std::size_t i = 0; i < skill->questions->size(); ++i) {
        if (skill->questions->question(i).text == "拨一拨：在钟面上拨出8时30分。") asked.question = skill->questions->question(i);
    }
    ASSERT_FALSE(asked.question.text.empty());
    const struct {
        const char* hands;
        bool right;
    } cases[] = {{"8:30", true}, {"7:30", false}, {"9:30", false}, {"8:35", false}, {"8:25", false}, {"", false}};
    for (const auto& c : cases) {
        HtmlPage page;
        page.setBody(skillSheetHtml({asked}, DrillForm::Normal));
        ASSERT_EQ(page.attribute("answer1", "class"), "dial");
        page.setValue("answer1", c.hands);
        const MarkedSheet marks = markSkillSheet(page, 1, 0);
        EXPECT_EQ(marks.right, c.right ? 1 : 0) << c.hands;
        if (!c.right) {
            ASSERT_EQ(marks.missed.size(), 1u);
            EXPECT_EQ(marks.missed[0].question, asked.question.text);
        }
    }
}

}  // namespace
}  // namespace tally
