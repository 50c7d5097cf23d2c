// SPDX-License-Identifier: GPL-3.0-or-later
#include <regex>

#include "ui_harness.h"

namespace tally::testing {
namespace {

// The minute hand dragged round from 12 o'clock to the time asked, a quarter
// at a time, by pointer events on the face in the view.
QString dragScript(int minutes) {
    return QString("(function(target){ var s = document.querySelector('svg[data-dial]'), b = s.getBoundingClientRect();"
                   " function at(type, m){ var a = (m % 60) * 6 * Math.PI / 180;"
                   "  s.dispatchEvent(new PointerEvent(type, {bubbles: true, pointerId: 1,"
                   "   clientX: b.left + b.width * (0.5 + 0.3 * Math.sin(a)),"
                   "   clientY: b.top + b.width * (0.5 - 0.3 * Math.cos(a))})); }"
                   " at('pointerdown', 0); for (var m = 15; m < target; m += 15) at('pointermove', m);"
                   " at('pointermove', target); at('pointerup', target);"
                   " return document.getElementsByName('answer1')[0].value; })(%1)")
        .arg(minutes);
}

TEST(ClockWindow, DraggingTheHandsSetsTheClockAndItIsMarked) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    app->form().clickTab("口算");
    ASSERT_TRUE(openInView(*app, "k1142", "answer1"));
    std::smatch asked;
    const std::string text = app->page().bodyText();
    ASSERT_TRUE(std::regex_search(text, asked, std::regex("拨出(\\d+)时(30分)?")));
    const int hours = std::stoi(asked[1]);
    const int minutes = asked[2].matched ? 30 : 0;
    const std::string value = std::to_string(hours) + ":" + (minutes ? "30" : "00");

    evalJs(*app, dragScript(hours % 12 * 60 + minutes));
    EXPECT_TRUE(waitFor([&] { return app->page().value("answer1") == value && app->bridge().idle(); }))
        << "the model has " << app->page().value("answer1") << " for " << value;
    QString question;
    answerNextBox(question, "交卷");  // the other questions stay unanswered
    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    EXPECT_TRUE(waitFor([&] { return app->page().bodyText().find("(√") != std::string::npos; }));
}

}  // namespace
}  // namespace tally::testing
