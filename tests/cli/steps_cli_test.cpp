// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/harness.h"

namespace tally {
namespace {

// `steps N` prints the lines of question N's 看看怎么算, then .; a question
// without it is said in words.
TEST(StepsCli, PrintsTheStepsOfAMarkedQuestion) {
    const std::string out =
        test::runCli(test::TestData(), "tab 口算\nclick k1201\nanswer yes\nfinish\nsteps 1\nsteps 99\nsteps x\n", "238");
    const std::size_t from = out.find("把1");
    ASSERT_NE(from, std::string::npos) << out;
    EXPECT_NE(out.find("分成10和", from), std::string::npos) << out;
    EXPECT_NE(out.find("\n10－9＝1　　从10里减\n", from), std::string::npos) << out;
    EXPECT_NE(out.find("\n.\n第99题没有“看看怎么算”。\nerror: steps takes a question's number\n", from), std::string::npos)
        << out;
}

}  // namespace
}  // namespace tally
