#include <gtest/gtest.h>

#include "shell/form1.h"
#include "ui/page_bridge.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

class Bridge : public ::testing::Test {
protected:
    void SetUp() override {
        app = startLoggedIn("238");
        ASSERT_TRUE(app);
    }

    // Types into the view's element as a child does: the value, then an input event.
    void typeInView(const QString& name, const QString& value) {
        evalJs(*app, "(function(el){ el.value = " + jsString(value) +
                         "; el.dispatchEvent(new Event('input', {bubbles: true})); })(document.getElementsByName(" +
                         jsString(name) + ")[0])");
    }

    std::unique_ptr<DesktopApp> app;
};

TEST_F(Bridge, TypingInTheViewReachesTheModel) {
    ASSERT_TRUE(writeBodyAndWait(*app, "<p>3+4=<input name=answer1 tag=7></p><p>1+1=<input name=answer2 tag=2></p>"));
    typeInView("answer2", "2");
    typeInView("answer1", "7");
    ASSERT_TRUE(waitFor([&] { return app->page().value("answer1") == "7"; }));
    EXPECT_EQ(app->page().value("answer2"), "2");
}

TEST_F(Bridge, AnEchoOfOlderTypingDoesNotOverwriteNewerTyping) {
    ASSERT_TRUE(writeBodyAndWait(*app, "<input name=answer1 tag=12>"));
    // Three keystrokes in one go: the model's echoes of "1" and "12" arrive after "123" was typed.
    evalJs(*app,
           "(function(el){ ['1', '12', '123'].forEach(function(v){ el.value = v;"
           " el.dispatchEvent(new Event('input', {bubbles: true})); }); })(document.getElementsByName('answer1')[0])");
    ASSERT_TRUE(waitFor([&] { return app->page().value("answer1") == "123"; }));
    ASSERT_TRUE(waitFor([&] { return app->bridge().idle(); }));
    EXPECT_EQ(evalJs(*app, "document.getElementsByName('answer1')[0].value").toString(), "123");
    // A value the program writes still reaches the view.
    app->page().setValue("answer1", "");
    EXPECT_TRUE(waitForJs(*app, "document.getElementsByName('answer1')[0].value", QString()));
}

TEST_F(Bridge, EveryKindOfChangeIsReplayedIntoTheView) {
    ASSERT_TRUE(writeBodyAndWait(
        *app, "<span id=spanguan>old</span><input name=answer1 tag=5><input type=radio name=R1 id=R1>"));
    HtmlPage& page = app->page();
    struct Case {
        std::function<void()> change;
        QString readBack;  // JavaScript that reads the result from the view
        QVariant expected;
    };
    const std::vector<Case> cases = {
        {[&] { page.setValue("answer1", "42"); }, "document.getElementsByName('answer1')[0].value", "42"},
        {[&] { page.setTag("answer1", "8"); }, "document.getElementsByName('answer1')[0].getAttribute('tag')", "8"},
        {[&] { page.setChecked("R1", true); }, "document.getElementById('R1').checked", true},
        {[&] { page.setInnerHtml("spanguan", "<b>新</b>"); }, "document.getElementById('spanguan').innerHTML",
         "<b>新</b>"},
        {[&] { page.insertTextAfter("answer1", "(√)<b>"); },
         "document.getElementsByName('answer1')[0].nextSibling.textContent", "(√)<b>"},
        {[&] { page.insertHtmlAfter("spanguan", "<i id=mark>好</i>"); }, "document.getElementById('mark').textContent",
         "好"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        cases[i].change();
        EXPECT_TRUE(waitForJs(*app, cases[i].readBack, cases[i].expected)) << "case " << i;
    }
    // The view's elements still line up with the model's after the insertions.
    for (const QString name : {"spanguan", "mark", "answer1", "R1"}) {
        const QString element =
            "document.getElementsByName('" + name + "')[0] || document.getElementById('" + name + "')";
        const QString position = "Array.prototype.indexOf.call(document.body.getElementsByTagName('*'), " + element + ")";
        EXPECT_EQ(evalJs(*app, position).toInt(), page.elementIndex(name.toStdString())) << name.toStdString();
    }
}

TEST_F(Bridge, EventsOfAnOlderPageAreDropped) {
    ASSERT_TRUE(writeBodyAndWait(*app, "<input name=answer1>"));
    const int old = app->page().generation();
    ASSERT_TRUE(writeBodyAndWait(*app, "<input name=answer1>"));
    const int index = app->page().elementIndex("answer1");
    app->bridge().input(old, index, "answer1", "", "9");
    EXPECT_EQ(app->page().value("answer1"), "");
    app->bridge().input(app->page().generation(), index, "answer1", "", "9");
    EXPECT_EQ(app->page().value("answer1"), "9");
}

TEST_F(Bridge, EnterInAnAnswerBoxMovesOnToTheNextBox) {
    ASSERT_TRUE(writeBodyAndWait(*app, "<input name=answer1><input type=button name=x><input name=answer2>"));
    evalJs(*app,
           "var a = document.getElementsByName('answer1')[0]; a.focus();"
           "a.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', bubbles: true, cancelable: true}));");
    EXPECT_TRUE(waitForJs(*app, "document.activeElement.name", "answer2"));
}

TEST(BridgeNames, AnElementIsNamedSoThatTheModelFindsThatSameElement) {
    HtmlPage page;
    page.setBody("<input type=radio name=check id=R1><input type=radio name=check id=R2><input name=finish>");
    struct Case {
        int index;
        QString name, id, expected;
    };
    const Case cases[] = {
        {0, "check", "R1", "check"},  // the first of its name: found by name
        {1, "check", "R2", "R2"},     // a later one of the same name: found by its id
        {2, "finish", "", "finish"},
        {-1, "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PageBridge::resolveName(page, c.index, c.name, c.id), c.expected) << c.index;
    }
}

}  // namespace
}  // namespace tally::testing
