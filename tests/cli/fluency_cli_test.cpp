// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/harness.h"
#include "support/temp_folder.h"

namespace tally {
namespace {

// A parent's change on the 达标标准 page is what `norms` prints, from the
// record file, in a later session; `dabiao` refuses minutes other than 1, 3, 5.
TEST(FluencyCli, TheNormPageKeepsAParentsRowAndNormsPrintsIt) {
    const test::TestData data;
    test::TempFolder folder;
    const auto file = folder.path() / "record.sqlite";
    const std::string first = test::runCli(data,
                                           "tab 口算\nclick dabiaonorms\nset normpass4 9\nset normgood4 11\n"
                                           "press normsave\nmessages\ndabiao 2 20以内退位减法:100\n",
                                           "238", file);
    EXPECT_EQ(first, "提示|达标标准保存好了。\n.\nerror: 时间请写1、3或5分钟。\n") << first;
    const std::string later = test::runCli(data, "norms 1\n", "238", file);
    EXPECT_NE(later.find("\n下\t20以内退位减法\t9\t11\t14\n"), std::string::npos) << later;
    EXPECT_NE(later.find("上\t10以内加减\t12\t14\t16\n"), std::string::npos) << later;
}

}  // namespace
}  // namespace tally
