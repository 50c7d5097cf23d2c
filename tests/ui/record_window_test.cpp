#include "progress/sqlite_record.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// In the real window a sheet marked in the view lands in the record file the
// program was given, with the score the page shows.
TEST(RecordWindow, ASheetMarkedInTheViewIsStored) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    ASSERT_TRUE(app->window().tree().open("q11"));
    ASSERT_TRUE(waitFor([&] { return app->page().has("finish") && app->bridge().idle(); }));
    ASSERT_TRUE(waitForJs(*app, "!!document.getElementsByName('finish')[0]", true));
    typeInView(*app, "answer1", "99");
    ASSERT_TRUE(waitFor([&] { return app->page().value("answer1") == "99"; }));
    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    ASSERT_TRUE(waitFor([&] {
        return evalJs(*app, "document.body.innerText").toString().contains("你的得分是0分");
    })) << evalJs(*app, "document.body.innerText").toString().toStdString();

    SqliteRecord record(repositoryData().recordFile.toStdString());
    ASSERT_TRUE(record.ok()) << record.lastError();
    const auto stored = record.sheets();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].topicKey, "q11");
    EXPECT_EQ(stored[0].tabCaption, "加减乘除");
    EXPECT_EQ(stored[0].score, 0);
    EXPECT_EQ(stored[0].questions, app->form().questionCount);
    ASSERT_FALSE(stored[0].missed.empty());
    EXPECT_EQ(stored[0].missed[0].typed, "99");
}

}  // namespace
}  // namespace tally::testing
