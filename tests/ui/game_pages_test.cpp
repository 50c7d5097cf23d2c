// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QUrlQuery>

#include "games/game_pages.h"
#include "ui/pane_page.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// A scripted play takes a few seconds; this only guards against a game that never ends.
constexpr int kPlayTimeoutMs = 120000;

// The smallest window the games are made for, and the window the program opens with.
const QSize kSmallWindow(800, 600);
const QSize kStartWindow(1240, 780);

QString pageOf(const char* key) {
    return QString::fromStdString(gamePagePath(QString(key).mid(1).toInt()));
}

QString testFile(const QString& name) {
    QFile file(QString(TALLYMOO_DATA_DIR) + "/../tests/ui/games/" + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A game's scripted play, written beside this test: it plays through the
// page's own controls to the end.
QString playScript(const char* key) { return testFile(QString(key).mid(1) + ".js"); }

bool shows(DesktopApp& app, const QString& relPath, const QString& query = "") {
    return waitFor([&] {
        const QUrl url = app.window().browser(Pane::WebBrowser2).url();
        return url.toLocalFile().endsWith("/" + relPath) && url.query() == query &&
               evalJs(app, "document.readyState", Pane::WebBrowser2).toString() == "complete";
    });
}

QVariant js2(DesktopApp& app, const QString& code) { return evalJs(app, code, Pane::WebBrowser2); }

// Runs a script (the body of an async function, after the shared helpers) in
// the game pane and waits for it; its error, or an empty text.
QString runInPage(DesktopApp& app, const QString& script) {
    js2(app, "window.__playError = ''; window.__playDone = false; (async function(){\n" + testFile("helpers.js") +
                 "\n" + script +
                 "\n})().catch(function(e){ window.__playError = String(e && e.stack || e); })"
                 ".finally(function(){ window.__playDone = true; });");
    const bool done = QTest::qWaitFor([&] { return js2(app, "window.__playDone === true").toBool(); }, kPlayTimeoutMs);
    return done ? js2(app, "window.__playError").toString() : QString("the script did not end");
}

QStringList controlsOutside(DesktopApp& app) {
    return js2(app, "(function(){\n" + testFile("helpers.js") + "\nreturn controlsOutside(); })()").toStringList();
}

struct Games {
    std::unique_ptr<DesktopApp> app;
    PanePage* pane = nullptr;

    bool open(const QSize& window) {
        app = startLoggedIn("");
        if (!app) return false;
        app->window().resize(window);
        if (!app->window().clickTab("数学游戏")) return false;
        if (!waitFor([&] { return app->window().tree().item("q612") != nullptr; })) return false;
        pane = &static_cast<PanePage&>(*app->window().browser(Pane::WebBrowser2).page());
        return true;
    }

    // Opens the game by its topic as a child does, then again with a fixed seed.
    bool show(const char* key, bool seeded) {
        const QString page = pageOf(key);
        pane->clearScriptErrors();
        app->window().tree().open(key);
        if (!shows(*app, page)) return false;
        if (!seeded) return true;
        QUrl url = QUrl::fromLocalFile(QDir(app->dataRoot()).filePath(page));
        url.setQuery("seed=1");
        pane->load(url);
        return shows(*app, page, "seed=1");
    }
};

// Opens each game in the smallest window, then plays it once with a fixed
// seed: the plays check their game's rules and that the controls stay in
// view. No page may report a script error on the way, and a result stays on
// the screen when Enter is pressed once too often.
void openAndPlay(const std::vector<const char*>& keys) {
    Games games;
    ASSERT_TRUE(games.open(kSmallWindow));
    DesktopApp& app = *games.app;
    for (const char* key : keys) {
        ASSERT_TRUE(games.show(key, false)) << key;
        EXPECT_EQ(app.window().front(), Pane::WebBrowser2) << key;
        const QString script = playScript(key);
        ASSERT_FALSE(script.isEmpty()) << key;
        ASSERT_TRUE(games.show(key, true)) << key;
        EXPECT_EQ(runInPage(app, script), QString()) << key;
        const QString result = js2(app, "document.getElementById('result').textContent").toString();
        EXPECT_FALSE(result.trimmed().isEmpty()) << key << ": the scripted play did not reach the result";
        EXPECT_EQ(controlsOutside(app), QStringList()) << key << " at its result";

        QWidget* view = app.window().browser(Pane::WebBrowser2).focusProxy();
        QTest::keyClick(view, Qt::Key_Return);
        QTest::qWait(400);
        EXPECT_EQ(js2(app, "document.getElementById('result').textContent").toString(), result)
            << key << ": one Enter too many left the result";
        EXPECT_EQ(games.pane->scriptErrors(), QStringList()) << key;
    }
}

TEST(GamePages, NumberGamesOpenAndPlay) { openAndPlay({"q63", "q65", "q66", "q67", "q68", "q69"}); }
TEST(GamePages, BoardAndQuickGamesOpenAndPlay) { openAndPlay({"q64", "q602", "q604", "q612"}); }
TEST(GamePages, BallGamesOpenAndPlay) { openAndPlay({"q601", "q603", "q606"}); }
TEST(GamePages, TrampolineOpensAndPlays) { openAndPlay({"q608"}); }
TEST(GamePages, JourneyGamesOpenAndPlay) { openAndPlay({"q607", "q609", "q611"}); }
TEST(GamePages, RollerCoasterOpensAndPlays) { openAndPlay({"q610"}); }

// The helpers every page shares. "?seed=N" replays a game: the same seed
// draws the same numbers, another seed others (the mental arithmetic game's
// first sum among them). Typed numbers are read in any width, and sums are
// drawn evenly with right answers (checked in the page, against sums worked here).
TEST(GamePages, SharedHelpersReplayASeedReadNumbersAndDrawSums) {
    Games games;
    ASSERT_TRUE(games.open(kStartWindow));
    DesktopApp& app = *games.app;
    const QString draws = "JSON.stringify([0, 0, 0, 0].map(function () { return TallyGames.random(); }))";
    const QString firstSum = "(function(){ document.querySelector('#choices button').click();"
                             " return document.getElementById('question').textContent; })()";
    for (const char* key : {"q65", "q66"}) {
        QStringList seen;
        for (const char* seed : {"7", "8", "7"}) {
            QUrl url = QUrl::fromLocalFile(QDir(app.dataRoot()).filePath(pageOf(key)));
            url.setQuery(QString("seed=") + seed);
            games.pane->load(url);
            ASSERT_TRUE(shows(app, pageOf(key), url.query())) << key;
            seen << js2(app, draws).toString() + (QString(key) == "q65" ? js2(app, firstSum).toString() : "");
        }
        EXPECT_EQ(seen[0], seen[2]) << key;
        EXPECT_NE(seen[0], seen[1]) << key;
    }

    ASSERT_TRUE(games.show("q65", true));
    EXPECT_EQ(runInPage(app, testFile("shared.js")), QString());
    EXPECT_EQ(games.pane->scriptErrors(), QStringList());
}

}  // namespace
}  // namespace tally::testing
