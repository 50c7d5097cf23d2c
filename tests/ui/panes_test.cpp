#include <QSignalSpy>
#include <QWebEngineView>
#include <gtest/gtest.h>

#include "shell/form1.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"
#include "ui/qt_user_interface.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

class Panes : public ::testing::Test {
protected:
    void SetUp() override {
        app = startLoggedIn("");
        ASSERT_TRUE(app);
    }

    QWebEngineView& browser2() { return app->window().browser(Pane::WebBrowser2); }

    // Navigates WebBrowser2 as the model does and waits for the load to end.
    bool navigate2(const std::string& relPath) {
        QSignalSpy loaded(&browser2(), &QWebEngineView::loadFinished);
        app->ui().navigate(Pane::WebBrowser2, relPath);
        return loaded.wait(kTimeoutMs);
    }

    std::unique_ptr<DesktopApp> app;
};

TEST_F(Panes, TheSecondBrowserShowsFilesOfTheDataDirectoryOnly) {
    ASSERT_TRUE(navigate2("help.htm"));
    EXPECT_EQ(browser2().url().toLocalFile(), app->dataRoot() + "/help.htm");
    EXPECT_FALSE(evalJs(browser2(), "document.title").toString().isEmpty());

    // A link out of the directory leads nowhere; the next link, inside it, is followed.
    QSignalSpy urls(&browser2(), &QWebEngineView::urlChanged);
    evalJs(browser2(), "function follow(href) { var a = document.createElement('a'); a.href = href;"
                       " document.body.appendChild(a); a.click(); }"
                       "follow('file:///etc/hostname'); setTimeout(function () { follow('1.txt'); }, 0);");
    EXPECT_TRUE(waitFor([&] { return browser2().url().toLocalFile() == app->dataRoot() + "/1.txt"; }));
    for (const QList<QVariant>& changed : urls) EXPECT_NE(changed.at(0).toUrl().toLocalFile(), "/etc/hostname");
}

TEST_F(Panes, AMissingFileShowsAnEmptyPage) {
    ASSERT_TRUE(navigate2("book/no such page.htm"));
    EXPECT_EQ(evalJs(browser2(), "document.body.innerHTML").toString(), "");
}

TEST_F(Panes, AReloadedSheetIsWrittenAgainFromTheModel) {
    ASSERT_TRUE(writeBodyAndWait(*app, "<p>第1题：2+2=<input name=answer1 tag=4></p>"));
    app->page().setValue("answer1", "4");
    QWebEngineView& browser1 = app->window().browser(Pane::WebBrowser1);
    QSignalSpy loaded(&browser1, &QWebEngineView::loadFinished);
    browser1.reload();
    ASSERT_TRUE(loaded.wait(kTimeoutMs));
    EXPECT_TRUE(waitForJs(*app, "document.getElementsByName('answer1')[0] ? "
                                "document.getElementsByName('answer1')[0].value : ''", "4"));
    // Typing in the reloaded view still reaches the model.
    evalJs(*app, "var el = document.getElementsByName('answer1')[0]; el.value = '5';"
                 "el.dispatchEvent(new Event('input', {bubbles: true}));");
    EXPECT_TRUE(waitFor([&] { return app->page().value("answer1") == "5"; }));
}

TEST_F(Panes, ARefusedLinkInASheetLeavesTheSheetAsItWas) {
    ASSERT_TRUE(writeBodyAndWait(*app, "<input name=answer1 tag=3><a id=away href=file:///etc/hostname>x</a>"));
    // A mark on the view's own element tells whether the document was written anew.
    evalJs(*app, "var el = document.getElementsByName('answer1')[0]; el.tallyMark = 1; el.value = '3';"
                 "el.dispatchEvent(new Event('input', {bubbles: true})); document.getElementById('away').click();");
    ASSERT_TRUE(waitFor([&] { return app->page().value("answer1") == "3"; }));
    app->page().insertTextAfter("answer1", "(√)");
    EXPECT_TRUE(waitForJs(*app, "document.body.innerText.indexOf('(√)') >= 0", true));
    EXPECT_EQ(evalJs(*app, "document.getElementsByName('answer1')[0].tallyMark").toInt(), 1);
    EXPECT_EQ(app->window().browser(Pane::WebBrowser1).url().toLocalFile(), app->dataRoot() + "/help.htm");
}

}  // namespace
}  // namespace tally::testing
