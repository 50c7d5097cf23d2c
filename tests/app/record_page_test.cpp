// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/record_page.h"
#include "page/html_page.h"

namespace tally {
namespace {

MarkedSheet marked(std::string when, std::string key, std::string caption, int score, int seconds,
                   int misses = 0) {
    MarkedSheet sheet;
    sheet.when = std::move(when);
    sheet.topicKey = std::move(key);
    sheet.topicCaption = std::move(caption);
    sheet.questions = 10;
    sheet.right = score / 10;
    sheet.score = score;
    sheet.seconds = seconds;
    for (int i = 0; i < misses; ++i) sheet.missed.push_back({"第" + std::to_string(i + 1) + "题", "", "1"});
    return sheet;
}

// Newest first, as the record gives them.
const std::vector<MarkedSheet> kSheets = {
    marked("2026-12-03 19:00:00", "q13", "100以内加法", 90, 50, 1),
    marked("2026-12-03 08:00:00", "q5008", "简单分子任意分数加法", 40, 200, 6),
    marked("2026-12-02 19:30:00", "q13", "100以内加法", 75, 80, 3),
    marked("2026-12-02 19:00:00", "q13", "100以内加法", 60, 91, 4),
    marked("2026-12-01 19:00:00", "q11", "10以内加法", 100, 20),
};

TEST(RecordPage, EachTopicHasItsDaysOldestFirstWithTheDaysAverages) {
    const auto histories = topicHistories(kSheets, 8);
    ASSERT_EQ(histories.size(), 3u);
    EXPECT_EQ(histories[0].key, "q13");  // practised last
    EXPECT_EQ(histories[2].key, "q11");
    ASSERT_EQ(histories[0].days.size(), 2u);
    EXPECT_EQ(histories[0].days[0].day, "2026-12-02");
    EXPECT_EQ(histories[0].days[0].averageScore, 68);  // (60 + 75) / 2 = 67.5
    EXPECT_EQ(histories[0].days[0].averageSeconds, 86);  // (91 + 80) / 2 = 85.5
    EXPECT_EQ(topicHistories(kSheets, 1).size(), 1u);
}

TEST(RecordPage, TopicsMissedMostComeFirstAndAreCut) {
    const auto most = mostMissedTopics(kSheets, 5);
    ASSERT_EQ(most.size(), 2u);  // a topic never missed is not listed
    EXPECT_EQ(most[0].caption, "100以内加法");
    EXPECT_EQ(most[0].misses, 8);
    EXPECT_EQ(most[1].misses, 6);
    EXPECT_EQ(mostMissedTopics(kSheets, 1).size(), 1u);
    // A re-drill's misses count for the topic they came from.
    MarkedSheet redrill = marked("2026-12-04 08:00:00", "redrill", "错题重练", 0, 10);
    for (const char* sum : {"3/4+1/4=", "1/2+1/3=", "1/5+1/5="}) {
        redrill.missed.push_back({sum, "", "1", AnswerForm::Fraction, "q5008", "简单分子任意分数加法"});
    }
    std::vector<MarkedSheet> withRedrill = {redrill};
    withRedrill.insert(withRedrill.end(), kSheets.begin(), kSheets.end());
    EXPECT_EQ(mostMissedTopics(withRedrill, 5).at(0).caption, "简单分子任意分数加法");
}

TEST(RecordPage, ThePageEscapesWhatItShowsAndLinksTheRedrill) {
    std::vector<MarkedSheet> sheets = kSheets;
    sheets[0].topicCaption = "<b>加法</b>";
    const std::string html = recordPageHtml(summariseSheets(sheets, 4));
    HtmlPage page;
    page.setBody(html.substr(html.find("<body>") + 6, html.find("</body>") - html.find("<body>") - 6));
    EXPECT_NE(page.bodyText().find("<b>加法</b>"), std::string::npos);
    EXPECT_EQ(html.find("<b>加法</b>"), std::string::npos);
    EXPECT_NE(html.find("\\u003cb\\u003e"), std::string::npos);  // the chart's caption, inside the script
    EXPECT_NE(html.find(std::string("href=") + kRedrillLink), std::string::npos);
}

TEST(RecordPage, WithoutSheetsOrMissesThePageSaysSo) {
    EXPECT_NE(recordPageHtml(summariseSheets({}, 0)).find("还没有成绩。"), std::string::npos);
    const std::string html =
        recordPageHtml(summariseSheets({marked("2026-12-01 19:00:00", "q11", "10以内加法", 100, 20)}, 0));
    EXPECT_NE(html.find("现在没有等着复习的错题。"), std::string::npos);
    EXPECT_NE(html.find("还没有做错过的题目"), std::string::npos);
    EXPECT_EQ(html.find(kRedrillLink), std::string::npos);
}

// A child's name is text wherever the record page shows it.
TEST(RecordPageOwner, AHostileNameIsShownAsText) {
    const std::string name = "<b>&\"'</b>";
    const Child child{7, name, 2};
    RecordOwner owner{name, 7, true, {child}, true};
    const std::string page = recordPageHtml(RecordSummary{}, owner);
    EXPECT_EQ(page.find("<b>&"), std::string::npos) << page;
    EXPECT_NE(page.find("&lt;b&gt;&amp;"), std::string::npos) << page;
    EXPECT_EQ(linkedChild("record-child-12.tallymoo", kShowChildLink), 12);
    EXPECT_EQ(linkedChild("record-child-x.tallymoo", kShowChildLink), std::nullopt);
    EXPECT_EQ(linkedChild("give-earlier-3.tallymoo", kShowChildLink), std::nullopt);
    // A child alone is not shown the chooser.
    owner.parent = false;
    EXPECT_EQ(recordPageHtml(RecordSummary{}, owner).find("record-child-"), std::string::npos);
    // Another child's record names the misses but offers no re-drill: it
    // would ask the misses of the child practising.
    RecordSummary open;
    open.sheetCount = 1;
    open.openMisses = 3;
    EXPECT_NE(recordPageHtml(open, owner).find(kRedrillLink), std::string::npos);
    owner.own = false;
    const std::string other = recordPageHtml(open, owner);
    EXPECT_EQ(other.find(kRedrillLink), std::string::npos);
    EXPECT_NE(recordPageHtml(open, owner, "", 4).find("有4道错题等着复习"), std::string::npos);
}

}  // namespace
}  // namespace tally
