// SPDX-License-Identifier: GPL-3.0-or-later
#include <regex>

#include "ui_harness.h"

namespace tally::testing {
namespace {

// The first part clicked, then each next one reached with → and shaded with
// Space, as a child without a mouse does, in the view's own document.
QString shadeScript(int parts) {
    return QString("(function(count){ var first = document.querySelector('svg[data-shade] .part');"
                   " first.dispatchEvent(new MouseEvent('click', {bubbles: true}));"
                   " function key(name){ document.activeElement.dispatchEvent("
                   "  new KeyboardEvent('keydown', {key: name, bubbles: true, cancelable: true})); }"
                   " for (var i = 1; i < count; ++i) { key('ArrowRight'); key(' '); }"
                   " return document.getElementsByName('answer1')[0].value; })(%1)")
        .arg(parts);
}

TEST(ShadeWindow, ShadingPartsAnswersTheQuestionAndItIsMarked) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    app->form().clickTab("口算");
    ASSERT_TRUE(openInView(*app, "k3163", "answer1"));
    std::smatch asked;
    const std::string text = app->page().bodyText();
    ASSERT_TRUE(std::regex_search(text, asked, std::regex("涂色表示(\\d+)/(\\d+)")));
    const std::string shaded = asked[1];

    evalJs(*app, shadeScript(std::stoi(shaded)));
    EXPECT_TRUE(waitFor([&] { return app->page().value("answer1") == shaded && app->bridge().idle(); }))
        << "the model has " << app->page().value("answer1") << " for " << shaded;
    QString question;
    answerNextBox(question, "交卷");  // the other questions stay unanswered
    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    EXPECT_TRUE(waitFor([&] { return app->page().bodyText().find("(√") != std::string::npos; }));
}

}  // namespace
}  // namespace tally::testing
