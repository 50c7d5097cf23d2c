#include <gtest/gtest.h>

#include "sheets/grader.h"

namespace tally {
namespace {

// The list of worked problems (q8005) is no arithmetic sheet.
TEST(GraderFrame, EachCatalogueKeyMeetsOneBranch) {
    const struct {
        const char* key;
        GradeBranch branch;
    } cases[] = {
        {"q78", GradeBranch::TimePuzzle},      {"q61", GradeBranch::TwentyFour},
        {"q62", GradeBranch::MemoryGame},      {"q55", GradeBranch::WordProblems},
        {"q56", GradeBranch::WordProblems},    {"q57", GradeBranch::WordProblems},
        {"q11", GradeBranch::Arithmetic},
        {"q46", GradeBranch::Arithmetic},      {"q71", GradeBranch::Arithmetic},
        {"q7004", GradeBranch::Arithmetic},    {"q8004", GradeBranch::Arithmetic},
        {"q75", GradeBranch::HoursAndMinutes}, {"q76", GradeBranch::HoursAndMinutes},
        {"q81", GradeBranch::Comparison},      {"q84", GradeBranch::Comparison},
        {"q7005", GradeBranch::Revealed},      {"q7006", GradeBranch::Revealed},
        {"q8005", GradeBranch::Revealed},      {"q8005002", GradeBranch::Revealed},
        {"q8005003", GradeBranch::Revealed},   {"q59011", GradeBranch::Revealed},
        {"q511", GradeBranch::Revealed},       {"q578", GradeBranch::Revealed},
        {"q5801", GradeBranch::Revealed},      {"q5808", GradeBranch::Revealed},
        {"q91", GradeBranch::PatternAndFourOperations},
        {"q9005", GradeBranch::PatternAndFourOperations},
        {"q5002", GradeBranch::Fractions},
        {"q533302007", GradeBranch::LessonAnswers},
    };
    const GradeBranch all[] = {GradeBranch::TimePuzzle,      GradeBranch::TwentyFour,
                               GradeBranch::MemoryGame,      GradeBranch::WordProblems,
                               GradeBranch::HoursAndMinutes, GradeBranch::Arithmetic,
                               GradeBranch::Comparison,      GradeBranch::Revealed,
                               GradeBranch::PatternAndFourOperations, GradeBranch::Fractions,
                               GradeBranch::LessonAnswers};
    for (const auto& c : cases) {
        for (GradeBranch branch : all) {
            EXPECT_EQ(branchMatches(branch, c.key), branch == c.branch)
                << c.key << " branch " << static_cast<int>(branch);
        }
    }
}

TEST(GraderFrame, LevelGameAndReadingKeysMeetNoScoringBranch) {
    for (const char* key : {"q5111", "q511102", "q6", "q63", "q5809", "q579"}) {
        EXPECT_FALSE(branchMatches(GradeBranch::Arithmetic, key)) << key;
        EXPECT_FALSE(branchMatches(GradeBranch::Revealed, key)) << key;
    }
}

TEST(GraderFrame, PointsRoundHalvesToEven) {
    const int cases[][2] = {{10, 10}, {20, 5}, {30, 3}, {40, 2}, {50, 2}, {8, 12}, {3, 33}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(pointsPerQuestion(c[0]), c[1]) << c[0];
}

TEST(GraderFrame, ResultLines) {
    EXPECT_EQ(scoreLine(100, 12), "<br>非常不错！你的得分是100分，用时12秒！");
    EXPECT_EQ(scoreLine(95, 3), "<br>你的得分是95分，用时3秒！");
    EXPECT_EQ(thinkTimeLine(7), "<br><br>思考用时7秒！");
}

}  // namespace
}  // namespace tally
