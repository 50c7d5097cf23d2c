#include <gtest/gtest.h>

#include "shell/catalogue.h"
#include "support/harness.h"

namespace tally {
namespace {

TEST(FixedTopic, FoundByKeyWhicheverTabHoldsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"q17", "+20"},       {"q11", "+10"},     {"q41", "÷81"},         {"q5002", "{5002"},
        {"q77", "$77"},       {"q71", "$71"},     {"q9001", "{9001"},     {"q8005", "{8005"},
        {"q2001", "#2001"},   {"q2072", "#2072"}, {"q522213", "{522213"}, {"q533302", "{533302"},
    };
    for (const auto& [key, tag] : cases) {
        const auto node = findFixedTopic(key);
        ASSERT_TRUE(node.has_value()) << key;
        EXPECT_EQ(node->tag, tag) << key;
    }
    // Nodes read from the data directory, and keys of no node, are not fixed.
    for (const char* key : {"q533302001", "q3001", "q4001", "q6002001", "q0", "", "q"}) {
        EXPECT_FALSE(findFixedTopic(key).has_value()) << key;
    }
}

// A key in two tabs with different tags would make the lookup ambiguous.
TEST(FixedTopic, EveryTabAgreesWithTheLookup) {
    test::Harness h;
    for (const Tab& tab : tabs()) {
        h.form->clickTab(tab.caption);
        for (const TopicNode& node : h.form->tree.nodes()) {
            const auto fixed = findFixedTopic(node.key);
            if (!fixed) continue;
            EXPECT_EQ(fixed->tag, node.tag) << tab.caption << " " << node.key;
            EXPECT_EQ(fixed->caption, node.caption) << tab.caption << " " << node.key;
        }
    }
}

}  // namespace
}  // namespace tally
