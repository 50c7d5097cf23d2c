#include <QTest>
#include <gtest/gtest.h>

#include "shell/form1.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"
#include "ui/topic_tree.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// The whole path a child takes: a sheet in the view, every answer typed into
// the view, the finish button clicked in the view, the result read from it.
TEST(Sheet, AnAdditionSheetAnsweredRightScoresOneHundred) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    ASSERT_TRUE(app->window().tree().open("q11"));
    ASSERT_TRUE(waitFor([&] { return app->page().has("finish") && app->bridge().idle(); }));
    ASSERT_TRUE(waitForJs(*app, "!!document.getElementsByName('finish')[0]", true));

    // Each answer is read from the field's tag in the browser's own document.
    const int typed = evalJs(*app,
                             "(function(){ var n = 0;"
                             " Array.prototype.forEach.call(document.querySelectorAll('input[name^=answer]'),"
                             " function(el){ el.focus(); el.value = el.getAttribute('tag');"
                             " el.dispatchEvent(new Event('input', {bubbles: true})); n++; }); return n; })()")
                          .toInt();
    EXPECT_EQ(typed, app->form().questionCount);
    ASSERT_TRUE(waitFor([&] {
        return app->page().value("answer" + std::to_string(typed)) == app->page().tag("answer" + std::to_string(typed));
    }));

    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    EXPECT_TRUE(waitFor([&] {
        return evalJs(*app, "document.body.innerText").toString().contains("非常不错！你的得分是100分");
    })) << evalJs(*app, "document.body.innerText").toString().toStdString();
}

}  // namespace
}  // namespace tally::testing
