// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "base/timer_bank.h"
#include "pictures/clock_picture.h"
#include "skills/dabiao_norms.h"
#include "skills/dabiao_page.h"
#include "skills/skill_mix.h"
#include "support/file_harness.h"
#include "support/harness.h"

namespace tally {
namespace {

// "15－7＝" as the face shows it, worked out here: the difference.
int differenceOn(const std::string& html) {
    const std::string face = "margin:24px 0\">";
    std::size_t at = html.find(face);
    if (at == std::string::npos) at = html.find("margin:24px 0>");
    const std::size_t from = html.find('>', at) + 1;
    const std::size_t minus = html.find("－", from);
    const int first = std::stoi(html.substr(from, minus - from));
    const int second = std::stoi(html.substr(minus + std::string("－").size()));
    return first - second;
}

bool shows(const test::Harness& h, const std::string& text) { return h.page.bodyHtml().find(text) != std::string::npos; }

class DabiaoTest : public ::testing::Test {
protected:
    // Starts a test of 20以内退位减法 on the 口算达标 page, as the parent types it.
    void start(test::Harness& h, const std::string& minutes) {
        h.click(kDabiaoKey, "口算");
        h.type(kDabiaoMinutesField, minutes);
        h.type(kDabiaoWordsField, "20以内退位减法:100");
        h.form->pageClick(kDabiaoGoButton);
    }
    // Answers the question on the page, right or wrong, after `ms`.
    void answer(test::Harness& h, bool right, long long ms) {
        const int expected = differenceOn(h.page.bodyHtml());
        h.clock.ms += ms;
        h.type(kDabiaoAnswerField, std::to_string(right ? expected : expected + 1));
        h.form->pageKey("Enter", h.page.generation());
    }
};

TEST_F(DabiaoTest, TheClockEndsTheTestWithItsRateBandAndEveryAnswersTime) {
    test::Harness h{test::started};
    start(h, "3");
    ASSERT_TRUE(h.page.has(kDabiaoAnswerField)) << h.lastMessage();
    // 34 right and 2 wrong in 3 minutes: 11.3 a minute, 达标 against 1下's 10 / 12 / 14.
    for (int question = 0; question < 36; ++question) answer(h, question % 18 != 0, 1500 + question);
    h.tick(kDabiaoTimer, 179);
    EXPECT_TRUE(h.page.has(kDabiaoAnswerField));
    EXPECT_TRUE(h.record.stored.empty());
    h.tick(kDabiaoTimer);
    EXPECT_FALSE(h.form->timers().enabled(kDabiaoTimer));
    ASSERT_EQ(h.record.stored.size(), 1u);
    const MarkedSheet& sheet = h.record.stored[0];
    EXPECT_EQ(sheet.topicKey, kDabiaoKey);
    EXPECT_EQ(sheet.questions, 36);
    EXPECT_EQ(sheet.right, 34);
    EXPECT_EQ(sheet.seconds, 180);
    ASSERT_EQ(sheet.missed.size(), 2u);
    EXPECT_EQ(sheet.missed[0].topicCaption, "20以内退位减法");
    ASSERT_EQ(sheet.times.size(), 36u);
    EXPECT_EQ(sheet.times[5].ms, 1505);
    EXPECT_TRUE(shows(h, "每分钟答对11.3道"));
    EXPECT_TRUE(shows(h, ">达标</p>"));
    EXPECT_TRUE(shows(h, "正确答案"));
    // No going back: Enter on the result page answers nothing.
    h.form->pageKey("Enter", h.page.generation());
    EXPECT_EQ(h.record.stored.size(), 1u);
}

TEST_F(DabiaoTest, AChildAloneSeesTheWrongAnswersWithoutTheRightOnes) {
    test::FileHarness h(false);
    const long long child = h.practising("小明", 1);
    h.start();
    start(h, "1");
    const int expected = differenceOn(h.page.bodyHtml());
    answer(h, false, 2000);
    h.tick(kDabiaoTimer, 60);
    // Kept in the real record as the child's sheet, its miss and its time with it.
    const std::vector<MarkedSheet> kept = h.file.sheets(child);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].missed.size(), 1u);
    EXPECT_EQ(h.file.lastAnswers(child, kept[0].missed[0].topicKey, 1).at(0).answer.ms, 2000);
    EXPECT_TRUE(shows(h, "写的是" + std::to_string(expected + 1)));
    EXPECT_FALSE(shows(h, "正确答案"));
}

// The answer of a clock to set or of 看图凑十, worked out from its words.
std::string pictureAnswer(const std::string& html) {
    std::smatch found;
    if (std::regex_search(html, found, std::regex("拨出(\\d+)时(?:(\\d+)分)?"))) {
        return clockHandsValue(std::stoi(found[1]), found[2].matched ? std::stoi(found[2]) : 0);
    }
    EXPECT_TRUE(std::regex_search(html, found, std::regex("(\\d+)＋(\\d+)＝□"))) << html;
    return std::to_string(std::stoi(found[1]) + std::stoi(found[2]));
}

// Picture skills on the test: each question shows its picture; Enter with
// nothing set or written answers nothing; the hands set to the time asked
// and the sum written are right, and a wrong time is kept to be set again.
TEST_F(DabiaoTest, PictureSkillsAreAnsweredOnTheirPictures) {
    test::Harness h{test::started};
    h.click(kDabiaoKey, "口算");
    h.type(kDabiaoMinutesField, "1");
    h.type(kDabiaoWordsField, "拨一拨：整时和半时:50 看图凑十（9加几）:50");
    h.form->pageClick(kDabiaoGoButton);
    for (int question = 0; question < 10; ++question) {
        const std::string html = h.page.bodyHtml();
        ASSERT_TRUE(shows(h, "<svg")) << html;
        h.form->pageKey("Enter", h.page.generation());
        EXPECT_TRUE(shows(h, "已经做了" + std::to_string(question) + "道")) << "an empty answer counts nothing";
        h.type(kDabiaoAnswerField, question == 0 && shows(h, "拨出") ? "12:00" : pictureAnswer(html));
        h.form->pageKey("Enter", h.page.generation());
    }
    h.tick(kDabiaoTimer, 60);
    ASSERT_EQ(h.record.stored.size(), 1u);
    const MarkedSheet& sheet = h.record.stored[0];
    EXPECT_EQ(sheet.questions, 10);
    EXPECT_EQ(sheet.right, 10 - static_cast<int>(sheet.missed.size()));
    for (const MissedQuestion& miss : sheet.missed) EXPECT_EQ(miss.form, AnswerForm::HoursMinutes) << miss.question;
}

TEST_F(DabiaoTest, OnlyOneThreeOrFiveMinutesStartATest) {
    for (const char* minutes : {"0", "2", "10", "x"}) {
        test::Harness h{test::started};
        start(h, minutes);
        EXPECT_FALSE(h.page.has(kDabiaoAnswerField)) << minutes;
    }
}

// The school's example: 100 questions in 5 minutes, 80 right 达标, 90 优秀.
struct BandCase {
    const char* words;
    int grade;
    bool secondTerm;
    int right;
    int minutes;
    const char* band;
};

TEST(DabiaoBand, AMixIsJudgedByItsSkillsNormsWeightedByShare) {
    const BandCase cases[] = {
        {"100 2～6的乘法口诀:100", 2, false, 79, 5, "还没达标"},
        {"100 2～6的乘法口诀:100", 2, false, 80, 5, "达标"},
        {"100 2～6的乘法口诀:100", 2, false, 85, 5, "良好"},
        {"100 2～6的乘法口诀:100", 2, false, 90, 5, "优秀"},
        // 12 × 50% + 8 × 50% = 10 达标; 14 × 50% + 10 × 50% = 12 良好.
        {"100 10以内加减:50 20以内进位加法:50", 1, false, 10, 1, "达标"},
        {"100 10以内加减:50 20以内进位加法:50", 1, false, 29, 3, "还没达标"},
        {"100 10以内加减:50 20以内进位加法:50", 1, false, 36, 3, "良好"},
        // A second-grader keeps 1下's row for a skill of 1下.
        {"100 20以内退位减法:100", 2, true, 14, 1, "优秀"},
    };
    for (const BandCase& each : cases) {
        const auto norm = mixNorm(readMix(each.words).mix, normTable({}), each.grade, each.secondTerm);
        ASSERT_TRUE(norm) << each.words;
        EXPECT_EQ(bandCaption(fluencyBand(each.right / static_cast<double>(each.minutes), *norm)), std::string(each.band))
            << each.words << " " << each.right;
    }
}

TEST(DabiaoBand, NoBandForASkillWithoutARowOrTaughtLater) {
    EXPECT_FALSE(mixNorm(readMix("100 20以内退位减法:50 10以内加减:50").mix, normTable({}), 1, false));
    EXPECT_FALSE(mixNorm(readMix("100 两位数加两位数（进位）:100").mix, normTable({}), 1, true));
    const FluencyNorm edited{1, true, readMix("100 20以内退位减法:100").mix.parts[0].skillKey, 20, 22, 24};
    EXPECT_EQ(mixNorm(readMix("100 20以内退位减法:100").mix, normTable({edited}), 1, true)->pass, 20);
}

}  // namespace
}  // namespace tally
