// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "classroom/assignment_results_page.h"
#include "classroom/outbox_status.h"
#include "classroom/pupil_assignments_page.h"
#include "classroom/skill_shares_page.h"

namespace tally {
namespace {

// The text of each row's cells, tags taken out, a row a vector.
std::vector<std::vector<std::string>> tableRows(const std::string& html) {
    std::vector<std::vector<std::string>> rows;
    const std::regex row("<tr>(.*?)</tr>"), cell("<t[dh][^>]*>(.*?)</t[dh]>"), tag("<[^>]*>");
    for (std::sregex_iterator r(html.begin(), html.end(), row), end; r != end; ++r) {
        const std::string cells = (*r)[1];
        rows.emplace_back();
        for (std::sregex_iterator c(cells.begin(), cells.end(), cell); c != end; ++c) {
            rows.back().push_back(std::regex_replace((*c)[1].str(), tag, ""));
        }
    }
    return rows;
}

void expectNoRanking(const std::string& html) {
    for (const char* word : {"名次", "排名", "第一名", "排行", "总分"}) EXPECT_EQ(html.find(word), std::string::npos) << word;
}

// Pupils in the order of their 拼音: 李雷 (li), 王芳 (wang), 张伟 (zhang), whatever their ids or marks.
const std::vector<Pupil> kPupils = {{1, 7, "张伟"}, {2, 7, "王芳"}, {3, 7, "李雷"}, {4, 8, "别班的"}};

// An answer to assignment 5; a right one's text is not kept.
ClassAnswer answered(long long pupil, int position, const std::string& question, const std::string& typed,
                     const std::string& correct, const std::string& kind = "", const std::string& when = "2026-12-09 09:00:00") {
    const bool right = typed == correct;
    return {std::to_string(pupil) + "-" + std::to_string(position) + when, 5, pupil, position, "k1107", question,
            right ? "" : typed, right ? "" : correct, right, 2500, kind, when};
}

const Assignment kAssignment{5, 7, "k1107", "20以内的进位加法", 2, "2026-12-15", 9, {}};

// Each cell from the server's lines: √ or the typed answer and ×, the time;
// the rows by 拼音 whatever order they came in; nobody ranked.
TEST(ClassPages, TheResultsTableHasEachPupilsAnswersByName) {
    const std::vector<PupilResults> table = {
        {kPupils[0], {answered(1, 0, "8＋5＝（　）", "13", "13"), answered(1, 1, "9＋6＝（　）", "15", "15")}},
        {kPupils[1], {}},
        {kPupils[2], {answered(3, 0, "8＋5＝（　）", "3", "13", "carry"), answered(3, 1, "9＋6＝（　）", "14", "15", "off-by-one")}},
    };
    const std::vector<MissedOften> missed = {{0, "8＋5＝（　）", "13", 1, 2, {{"carry", 1}}},
                                             {1, "9＋6＝（　）", "15", 1, 2, {{"off-by-one", 1}}}};
    const std::string html = assignmentResultsHtml(kAssignment, table, missed);
    const std::vector<std::vector<std::string>> expected = {
        {"姓名", "1", "2"},
        {"李雷", "3×2.5秒", "14×2.5秒"},
        {"王芳", "", ""},
        {"张伟", "√2.5秒", "√2.5秒"},
    };
    EXPECT_EQ(tableRows(html), expected);
    EXPECT_TRUE(std::regex_search(html, std::regex("<th title=\"?8＋5＝（　）"))) << "the question in its number's tooltip";
    EXPECT_NE(html.find("第1题　8＋5＝（　），答案13：2人做了，1人做错，其中忘了进位1人。"), std::string::npos);
    EXPECT_NE(html.find("第2题　9＋6＝（　），答案15：2人做了，1人做错，其中差一1人。"), std::string::npos);
    EXPECT_NE(html.find("还没有做的同学</h2><p>王芳。"), std::string::npos);
    expectNoRanking(html);
}

TEST(ClassPages, APupilSeesTheirAssignmentsToDoFirst) {
    const std::vector<Assignment> assignments = {
        kAssignment,
        {6, 7, "k1108", "20以内的退位减法", 10, "2026-12-20", 1, {}},
        {7, 7, "k1109", "只给王芳的", 10, "2026-12-10", 1, {2}},
        {8, 7, "k1110", "过了日期的", 10, "2026-12-01", 1, {}},
    };
    const std::vector<ClassAnswer> answers = {answered(3, 0, "8＋5＝（　）", "13", "13"), answered(3, 1, "9＋6＝（　）", "14", "15"),
                                              answered(1, 0, "8＋5＝（　）", "13", "13")};
    const std::string html = pupilAssignmentsHtml(kPupils[2], assignments, answers, "2026-12-09");
    const std::vector<std::vector<std::string>> expected = {
        {"练习", "题数", "交的日期", "做了没有", ""},
        {"过了日期的", "10道", "12月1日前", "过了日期，还没有做", "开始做"},
        {"20以内的退位减法", "10道", "12月20日前", "还没有做", "开始做"},
        {"20以内的进位加法", "2道", "12月15日前", "做完了，做对了1道（共2道）", "再做一次"},
    };
    EXPECT_EQ(tableRows(html), expected);
    EXPECT_TRUE(std::regex_search(html, std::regex("href=\"?assignment-6\\.tallymoo")));
    EXPECT_EQ(linkedAssignment("assignment-6.tallymoo"), 6);
    EXPECT_EQ(linkedAssignment("assignment-6x.tallymoo"), std::nullopt);
    expectNoRanking(html);
}

// The share right recomputed by hand; the pupil with the best share is not first.
TEST(ClassPages, EachSkillsShareRightPerPupilByName) {
    const std::vector<SkillShare> shares = {{"张伟", "k1107", 2, 2}, {"李雷", "k1107", 2, 1}, {"李雷", "k1108", 3, 0}};
    const std::string html = skillSharesHtml("一年级（2）班", {kPupils[0], kPupils[1], kPupils[2]}, shares,
                                             {"2026-09-01", "2026-12-09"}, {{"k1107", "20以内的进位加法"}});
    const std::vector<std::vector<std::string>> expected = {
        {"姓名", "20以内的进位加法", "k1108"},
        {"李雷", "50%（1/2）", "0%（0/3）"},
        {"王芳", "—", "—"},
        {"张伟", "100%（2/2）", "—"},
    };
    EXPECT_EQ(tableRows(html), expected);
    expectNoRanking(html);
}

TEST(ClassPages, TheStatusLineSaysHowManyAnswersWait) {
    EXPECT_EQ(outboxStatusText(0), "");
    EXPECT_EQ(outboxStatusText(3), "还有3道题没有交给老师");
}

}  // namespace
}  // namespace tally
