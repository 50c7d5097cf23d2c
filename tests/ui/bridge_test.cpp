// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/gbk.h"
#include "ui/pane_page.h"
#include "ui/qt_user_interface.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

const QString kAnswer1 = "document.getElementsByName('answer1')[0]";

TEST(Bridge, ModelAndViewFollowEachOther) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    HtmlPage& page = app->page();

    ASSERT_TRUE(writeBodyAndWait(*app, "<p>3+4=<input name=answer1 tag=7></p><p>1+1=<input name=answer2 tag=2></p>"));
    // Typing reaches the model, timed by the view, by each keystroke's own
    // moment: two made 300 ms apart are 300 ms apart in the model, though
    // both are handled at once.
    evalJs(*app, "(function(){ function type(n, v, e){ var el = document.getElementsByName(n)[0]; el.value = v;"
                 " el.dispatchEvent(e); }"
                 " var first = new Event('input', {bubbles: true}), from = performance.now();"
                 " while (performance.now() - from < 300) {}"
                 " type('answer1', '7', first); type('answer2', '2', new Event('input', {bubbles: true})); })()");
    ASSERT_TRUE(waitFor([&] { return page.value("answer2") == "2" && app->bridge().idle(); }))
        << "typing did not reach the model";
    const long long first = page.answers().lastChange({"answer1"});
    EXPECT_GE(first, 0);
    EXPECT_GE(page.answers().lastChange({"answer2"}) - first, 300);
    // The child types "1", "12" and then "3" just as the model's echo of "1"
    // reaches the view: no echo of older typing may overwrite newer typing.
    evalJs(*app, "(function(el){ var apply = tallyBridge.apply, once = true;"
                 " function type(v){ el.value = v; el.dispatchEvent(new Event('input', {bubbles: true})); }"
                 " tallyBridge.apply = function(c){ apply(c); if (once) { once = false; type(el.value + '3'); } };"
                 " type('1'); type('12'); })(" + kAnswer1 + ")");
    EXPECT_TRUE(waitFor([&] { return page.value("answer1") == "123" && app->bridge().idle(); }))
        << "the model has " << page.value("answer1");
    EXPECT_EQ(evalJs(*app, kAnswer1 + ".value").toString(), "123");
    page.setValue("answer1", "");
    EXPECT_TRUE(waitForJs(*app, kAnswer1 + ".value", QString())) << "a value the program wrote after typing";

    ASSERT_TRUE(writeBodyAndWait(
        *app, "<span id=spanguan>old</span><input name=answer1 tag=5><input type=radio name=R1 id=R1>"));
    struct Case {
        const char* kind;
        std::function<void()> change;
        QString readBack;  // JavaScript that reads the result from the view
        QVariant expected;
    };
    const Case cases[] = {
        {"value", [&] { page.setValue("answer1", "42"); }, kAnswer1 + ".value", "42"},
        {"attribute", [&] { page.setAttribute("answer1", "size", "8"); }, kAnswer1 + ".getAttribute('size')", "8"},
        {"checked", [&] { page.setChecked("R1", true); }, "document.getElementById('R1').checked", true},
        {"inner HTML", [&] { page.setInnerHtml("spanguan", "<b>新</b>"); },
         "document.getElementById('spanguan').innerHTML", "<b>新</b>"},
        {"text after", [&] { page.insertTextAfter("answer1", "(√)<b>"); }, kAnswer1 + ".nextSibling.textContent",
         "(√)<b>"},
        {"HTML after", [&] { page.insertHtmlAfter("spanguan", "<i id=mark>好</i>"); },
         "document.getElementById('mark').textContent", "好"},
    };
    for (const Case& c : cases) {
        c.change();
        EXPECT_TRUE(waitForJs(*app, c.readBack, c.expected)) << c.kind;
    }
    // The view's elements still line up with the model's after the insertions.
    for (const QString name : {"spanguan", "mark", "answer1", "R1"}) {
        const QString position = "Array.prototype.indexOf.call(document.body.getElementsByTagName('*'),"
                                 " document.querySelector('[name=" + name + "], #" + name + "'))";
        EXPECT_EQ(evalJs(*app, position).toInt(), page.elementIndex(name.toStdString())) << name.toStdString();
    }

    // Enter in an answer box moves on to the next box, over the buttons.
    ASSERT_TRUE(writeBodyAndWait(*app, "<input name=answer1><input type=button name=x><input name=answer2>"));
    evalJs(*app, "var a = " + kAnswer1 + "; a.focus();"
                 "a.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', bubbles: true, cancelable: true}));");
    EXPECT_TRUE(waitForJs(*app, "document.activeElement.name", "answer2"));

    // The level game binds its radios on a mouse-down in the page and reacts
    // to the mouse-up on one of them; the model unticks the others. Mouse
    // events of the page before are dropped.
    int old = page.generation();
    ASSERT_TRUE(openInView(*app, "q5111", "n3"));
    app->bridge().mouseDown(old);
    app->bridge().mouseUp(old, page.elementIndex("n3"), "n3", "");
    EXPECT_EQ(app->form().options().msPerQuestion, 9000) << "a mouse-up on the page before reached the model";
    evalJs(*app, "var r = document.getElementsByName('n3')[0];"
                 "r.dispatchEvent(new MouseEvent('mousedown', {bubbles: true}));"
                 "r.dispatchEvent(new MouseEvent('mouseup', {bubbles: true}));");
    EXPECT_TRUE(waitFor([&] { return app->form().options().msPerQuestion == 5000; })) << "the difficulty did not reach the model";
    EXPECT_TRUE(waitForJs(*app, "[1, 2, 3].map(function (k) { return document.getElementsByName('n' + k)[0].checked; })"
                                ".join()", "false,false,true"));

    // A key the question page names reaches the model and is kept from the
    // view; a key of the page before is dropped, and in a text box the keys
    // type (only Enter goes to the model).
    old = page.generation();
    ASSERT_TRUE(openInView(*app, "q511102", "R4"));
    app->bridge().key(old, "ArrowLeft");
    EXPECT_FALSE(page.checked("R4")) << "a key of the page before reached the model";
    EXPECT_EQ(evalJs(*app, "!document.body.dispatchEvent(new KeyboardEvent('keydown',"
                           " {key: 'ArrowLeft', bubbles: true, cancelable: true}))"),
              QVariant(true))
        << "the view kept the key";
    EXPECT_TRUE(waitFor([&] { return page.checked("R4"); })) << "the key did not reach the model";
    EXPECT_TRUE(waitForJs(*app, "document.getElementsByName('R4')[0].checked", true));
    EXPECT_EQ(evalJs(*app, "var box = document.getElementsByName('answerguoguan')[0]; box.focus();"
                           " !box.dispatchEvent(new KeyboardEvent('keydown', {key: '2', bubbles: true,"
                           " cancelable: true}))"),
              QVariant(false))
        << "a digit typed in the box was taken from it";
    QTest::qWait(300);
    EXPECT_TRUE(page.checked("R4"));
}

// Radios of one group share a name: the later ones are found by their ids.
TEST(Bridge, AnElementIsNamedSoThatTheModelFindsThatSameElement) {
    HtmlPage page;
    page.setBody("<input type=radio name=check id=R1><input type=radio name=check id=R2><input name=finish>");
    EXPECT_EQ(PageBridge::resolveName(page, 0, "check", "R1"), "check");
    EXPECT_EQ(PageBridge::resolveName(page, 1, "check", "R2"), "R2");
    EXPECT_EQ(PageBridge::resolveName(page, 2, "finish", ""), "finish");
    EXPECT_EQ(PageBridge::resolveName(page, -1, "", ""), "");
}

TEST(Navigation, OnlyFilesInsideTheDataDirectoryMayBeOpened) {
    QTemporaryDir temp;
    const QString root = QDir(temp.path()).filePath("data");
    QDir().mkpath(root + "/book");
    QFile(root + "/book/a.htm").open(QIODevice::WriteOnly);
    QFile::link(temp.path(), root + "/escape");
    const std::pair<QUrl, bool> cases[] = {
        {QUrl::fromLocalFile(root + "/book/a.htm"), true},
        {QUrl::fromLocalFile(root + "/help.htm"), true},  // missing, but inside
        {QUrl::fromLocalFile(root + "/book/../../secret.txt"), false},
        {QUrl::fromLocalFile(temp.path() + "/data2/x.htm"), false},     // a sibling that shares the prefix
        {QUrl::fromLocalFile(root + "/escape/data/book/a.htm"), true},  // a link that comes back inside
        {QUrl::fromLocalFile("/etc/passwd"), false},
        {QUrl("http://example.invalid/"), false},
        {QUrl("about:blank"), false},
    };
    for (const auto& [url, allowed] : cases) {
        EXPECT_EQ(PanePage::allowed(url, root), allowed) << url.toString().toStdString();
    }
}

// Does `action` in WebBrowser2, waits for the load it starts to end (a
// refused one ends at once) and returns the file the view shows.
QString loadIn2(DesktopApp& app, const std::function<void()>& action) {
    QWebEngineView& view = app.window().browser(Pane::WebBrowser2);
    QSignalSpy finished(&view, &QWebEngineView::loadFinished);
    action();
    waitFor([&] { return !finished.isEmpty(); });
    return view.url().toLocalFile();
}

TEST(Panes, OnlyDataFilesAreShownAndASheetOutlivesReloadsAndRefusedLinks) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    const QString root = app->dataRoot();
    const auto open = [&](const std::string& relPath) {
        return loadIn2(*app, [&] { app->ui().navigate(Pane::WebBrowser2, relPath); });
    };
    const auto follow = [&](const QString& href) {
        return loadIn2(*app, [&] {
            evalJs(*app, "var a = document.createElement('a'); a.href = '" + href +
                             "'; document.body.appendChild(a); a.click();", Pane::WebBrowser2);
        });
    };
    EXPECT_EQ(open("help.htm"), root + "/help.htm");
    EXPECT_EQ(follow("file:///etc/hostname"), root + "/help.htm") << "a link out of the data directory was followed";
    EXPECT_EQ(follow("1.txt"), root + "/1.txt");
    open("book/no such page.htm");
    EXPECT_EQ(evalJs(*app, "document.body.innerHTML", Pane::WebBrowser2).toString(), "") << "a missing file";

    // A reloaded sheet is written again from the model, and typing still reaches the model.
    ASSERT_TRUE(writeBodyAndWait(*app, "<p>2+2=<input name=answer1 tag=4><a id=away href=file:///etc/hostname>x</a>"));
    app->page().setValue("answer1", "4");
    QWebEngineView& browser1 = app->window().browser(Pane::WebBrowser1);
    QSignalSpy loaded(&browser1, &QWebEngineView::loadFinished);
    browser1.reload();
    ASSERT_TRUE(loaded.wait(kTimeoutMs));
    EXPECT_TRUE(waitForJs(*app, kAnswer1 + " ? " + kAnswer1 + ".value : ''", "4")) << "the reloaded sheet";
    EXPECT_TRUE(typeInView(*app, "answer1", "5")) << "typing after the reload";

    // A refused link leaves the very same document; later marks still reach it.
    evalJs(*app, kAnswer1 + ".tallyMark = 1; document.getElementById('away').click();");
    ASSERT_TRUE(typeInView(*app, "answer1", "4")) << "typing after the refused link";
    app->page().insertTextAfter("answer1", "(√)");
    EXPECT_TRUE(waitForJs(*app, "document.body.innerText.indexOf('(√)') >= 0", true)) << "a mark after it";
    EXPECT_EQ(evalJs(*app, kAnswer1 + ".tallyMark").toInt(), 1) << "the sheet was written anew";
    EXPECT_EQ(browser1.url().toLocalFile(), app->dataRoot() + "/help.htm");
}

void writeGbk(const QString& path, const std::string& utf8) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::string bytes = *utf8ToGbk(utf8);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A paper in GBK opens in the second pane, and its answers follow there as a
// page of our own with the data directory's style sheet.
TEST(Reading, PaperAndAnswersInTheSecondPane) {
    QTemporaryDir temp;
    const QString root = temp.path();
    for (const char* file : {"reading.css", "tallymoologin.ini"}) {
        QFile::copy(QString(TALLYMOO_DATA_DIR) + "/" + file, root + "/" + file);
    }
    writeGbk(root + "/test/11.htm",
             "<!DOCTYPE html><html><head><meta charset=\"gbk\"><link rel=\"stylesheet\" href=\"../reading.css\">"
             "</head><body><h1>1年级1学期期中考试题</h1><p>一、口算。</p></body></html>");
    AppOptions options = repositoryData();
    options.dataDir = root;
    auto app = start([](QDialog& login) { login.close(); }, options);
    ASSERT_TRUE(app);
    MainWindow& window = app->window();
    QWebEngineView& browser2 = window.browser(Pane::WebBrowser2);
    const auto shown2 = [&](const QString& code) { return evalJs(*app, code, Pane::WebBrowser2).toString(); };

    ASSERT_TRUE(window.clickTab("各年级试卷"));
    ASSERT_TRUE(waitFor([&] { return window.tree().item("q2001") != nullptr; }));
    window.tree().open("q2001");
    ASSERT_TRUE(waitFor([&] { return browser2.url().toLocalFile() == root + "/test/11.htm"; }));
    EXPECT_EQ(window.front(), Pane::WebBrowser2);
    EXPECT_TRUE(waitFor([&] { return shown2("document.querySelector('h1') ? document.querySelector('h1').innerText : ''") ==
                                     "1年级1学期期中考试题"; }))
        << "the paper was not shown, or not read as GBK";

    window.tree().open("q2037");
    EXPECT_TRUE(waitFor([&] { return shown2("document.title") == "1年级1学期期中考答案"; }));
    // The page of our own takes the data directory's style sheet.
    EXPECT_TRUE(waitFor([&] {
        return shown2("getComputedStyle(document.body).backgroundColor") == "rgb(251, 248, 240)";
    })) << "reading.css did not apply";
}

}  // namespace
}  // namespace tally::testing
