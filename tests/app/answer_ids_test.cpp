// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "support/harness.h"

namespace tally {
namespace {

// A marked sheet of drills and a level passed: every answer of both is
// stored with an id of its own, a UUID of version 4.
TEST(AnswerIds, EveryStoredAnswerHasAUuidOfItsOwn) {
    test::Harness h(test::started);
    h.click("q13");
    h.answerAll();
    h.finish();
    h.click("q511102", "加减乘除");
    const LevelGameState& level = h.form->families().levelGame.state();
    for (int question = 0; question < 10; ++question) {
        h.type("answerguoguan", std::to_string(level.answer));
        h.form->pageKey("Enter", h.page.generation());
        h.tick(kLevelTimer);
    }
    ASSERT_EQ(h.record.stored.size(), 2u);
    const std::regex uuid("[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}");
    std::set<std::string> ids;
    std::size_t answers = 0;
    for (const MarkedSheet& sheet : h.record.stored) {
        ASSERT_FALSE(sheet.times.empty()) << sheet.topicKey;
        for (const AnswerTime& answer : sheet.times) {
            EXPECT_TRUE(std::regex_match(answer.id, uuid)) << answer.id;
            ids.insert(answer.id);
            ++answers;
        }
    }
    EXPECT_EQ(ids.size(), answers) << "no id twice";
}

}  // namespace
}  // namespace tally
