// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/harness.h"

namespace tally {
namespace {

// The headless clock moves only by `wait`; `times` writes "-" for an answer left empty.
TEST(TimesCli, WaitMovesTheClockTheAnswersAreTimedBy) {
    const std::string out = test::runCli(test::TestData(), "click q13\nwait 1200\nset answer1 x\nwait 650\nset answer3 x\n"
                                                           "finish\ntimes\nwait 1.5\nwait 86400001\n");
    EXPECT_EQ(out.substr(0, 69), "answer1\twrong\t1200\nanswer2\twrong\t-\nanswer3\twrong\t650\nanswer4\twrong\t-\n")
        << out;
    const std::string refused = "error: wait MS, MS from 0 to 86400000\n";
    EXPECT_NE(out.find("answer10\twrong\t-\n.\n" + refused + refused), std::string::npos) << out;
}

}  // namespace
}  // namespace tally
