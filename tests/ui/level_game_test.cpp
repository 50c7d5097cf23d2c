#include <gtest/gtest.h>

#include "shell/form1.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"
#include "ui/topic_tree.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// The level game binds its radios on a mouse-down in the page and reacts to
// the mouse-up on one of them: both come from the view.
TEST(LevelGame, ADifficultyChosenWithTheMouseInTheViewSetsTheQuestionTime) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    ASSERT_TRUE(app->window().tree().open("q511102"));
    ASSERT_TRUE(waitFor([&] { return app->page().has("n3") && app->bridge().idle(); }));
    ASSERT_TRUE(waitForJs(*app, "!!document.getElementsByName('n3')[0]", true));

    evalJs(*app,
           "var r = document.getElementsByName('n3')[0];"
           "r.dispatchEvent(new MouseEvent('mousedown', {bubbles: true}));"
           "r.dispatchEvent(new MouseEvent('mouseup', {bubbles: true}));");
    ASSERT_TRUE(waitFor([&] { return app->form().msPerQuestion == 5000; }));
    // The model unticks the other radios; the view follows.
    EXPECT_TRUE(waitForJs(*app,
                          "[1, 2, 3].map(function (k) { return document.getElementsByName('n' + k)[0].checked; })"
                          ".join()",
                          "false,false,true"));
}

}  // namespace
}  // namespace tally::testing
