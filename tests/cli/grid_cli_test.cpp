// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/harness.h"
#include "support/temp_folder.h"

namespace tally {
namespace {

// A row a line, each fact with its state; a grid of another name is refused.
TEST(GridCli, PrintsTheGridRowByRow) {
    test::TempFolder folder;
    const std::string out = test::runCli(test::TestData(), "grid 20以内退位减法\ngrid 九九\n", "238",
                                         folder.path() / "record.sqlite");
    EXPECT_EQ(out.substr(0, out.find('\n') + 1),
              "11－2=没做过\t11－3=没做过\t11－4=没做过\t11－5=没做过\t11－6=没做过\t11－7=没做过\t11－8=没做过\t11－9=没做过\n");
    EXPECT_NE(out.find("\n18－9=没做过\n.\nerror: no grid 九九\n"), std::string::npos) << out;
}

}  // namespace
}  // namespace tally
