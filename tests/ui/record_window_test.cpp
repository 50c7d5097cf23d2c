// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/sqlite_record.h"
#include "ui/pane_page.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// In the real window a sheet marked in the view lands in the record file the
// program was given, with the score the page shows, and the record page's
// links open the re-drill and the fact grids.
TEST(RecordWindow, ASheetMarkedInTheViewIsStored) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    ASSERT_TRUE(openInView(*app, "q11", "finish"));
    ASSERT_TRUE(typeInView(*app, "answer1", "99"));
    // The other boxes are empty: the child is asked, and hands the sheet in.
    QString asked;
    answerNextBox(asked, "交卷");
    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    ASSERT_TRUE(waitFor([&] {
        return evalJs(*app, "document.body.innerText").toString().contains("你的得分是0分");
    })) << evalJs(*app, "document.body.innerText").toString().toStdString();

    EXPECT_TRUE(asked.startsWith("还有")) << asked.toStdString();

    SqliteRecord record(repositoryData().recordFile.toStdString());
    ASSERT_TRUE(record.ok()) << record.lastError();
    const auto stored = record.sheets(kEarlierRecords);
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].topicKey, "q11");
    ASSERT_FALSE(stored[0].missed.empty());

    // The line under the marked sheet reaches the view.
    ASSERT_TRUE(waitForJs(*app, "(document.getElementsByName('redrill')[0] || {}).value || ''",
                          QString("错了%1道题，点这里重练").arg(stored[0].missed.size())));

    // 成绩记录 shows the new row in the second pane, and a chart drawn by Chart.js.
    app->window().toolbarAction("w13")->trigger();
    const QString firstRow = "(function(){ var r = document.querySelectorAll('#sheets tr')[1];"
                             " return r ? r.innerText : ''; })()";
    ASSERT_TRUE(waitFor([&] { return evalJs(*app, firstRow, Pane::WebBrowser2).toString().contains("10以内加法"); }))
        << evalJs(*app, "document.body ? document.body.innerHTML : ''", Pane::WebBrowser2).toString().toStdString();
    EXPECT_TRUE(waitFor([&] {
        return evalJs(*app, "typeof Chart !== 'undefined' && document.querySelectorAll('#charts canvas').length",
                      Pane::WebBrowser2) == QVariant(1);
    }));
    EXPECT_TRUE(app->window().pane(Pane::WebBrowser2).scriptErrors().isEmpty())
        << app->window().pane(Pane::WebBrowser2).scriptErrors().join('\n').toStdString();

    // Its 错题重练 link writes the re-drill sheet into the first pane.
    evalJs(*app, "document.querySelector('a.redrill').click()", Pane::WebBrowser2);
    ASSERT_TRUE(waitFor([&] { return app->form().redrillOnPage(); }));
    ASSERT_TRUE(waitForJs(*app, "document.body.innerText.indexOf('这些是以前做错的题') >= 0", true));
    EXPECT_TRUE(viewShowsModelText(*app));

    // Its link to a grid is caught by the window, which shows the grid there:
    // every fact a cell with its state and its tooltip, those handed in wrong or empty shaky.
    evalJs(*app, "window.shownBefore = true", Pane::WebBrowser2);
    app->window().toolbarAction("w13")->trigger();
    const QString grids = "document.querySelectorAll('p.grids a')";
    ASSERT_TRUE(waitFor([&] {
        return evalJs(*app, "!window.shownBefore && " + grids + ".length === 4", Pane::WebBrowser2).toBool();
    }));
    evalJs(*app, grids + "[0].click()", Pane::WebBrowser2);
    ASSERT_TRUE(waitFor([&] { return evalJs(*app, "document.title", Pane::WebBrowser2).toString() == "20以内加法"; }))
        << evalJs(*app, "document.title", Pane::WebBrowser2).toString().toStdString();
    EXPECT_EQ(evalJs(*app, "document.querySelectorAll('#facts td[title][data-state]').length", Pane::WebBrowser2),
              QVariant(81));
    EXPECT_GT(evalJs(*app, "document.querySelectorAll('#facts td.shaky').length", Pane::WebBrowser2).toInt(), 0);
}

}  // namespace
}  // namespace tally::testing
