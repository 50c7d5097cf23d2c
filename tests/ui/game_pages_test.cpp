#include <QFile>
#include <QUrlQuery>

#include "games/game_pages.h"
#include "ui/pane_page.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// The games that are pages of their own, by topic key.
const char* const kGameKeys[] = {"q63",  "q64",  "q65",  "q66",  "q67",  "q68",  "q69",  "q601", "q602",
                                 "q603", "q604", "q606", "q607", "q608", "q609", "q610", "q611", "q612"};

// A scripted play takes a few seconds; this only guards against a game that never ends.
constexpr int kPlayTimeoutMs = 90000;

QString pageOf(const char* key) {
    return QString::fromStdString(gamePagePath(QString(key).mid(1).toInt()));
}

// A game's scripted play, written beside this test: it plays through the
// page's own controls to the end.
QString playScript(const char* key) {
    QFile file(QString(TALLYMOO_DATA_DIR) + "/../tests/ui/games/" + QString(key).mid(1) + ".js");
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool shows(DesktopApp& app, const QString& relPath, const QString& query = "") {
    return waitFor([&] {
        const QUrl url = app.window().browser(Pane::WebBrowser2).url();
        return url.toLocalFile().endsWith("/" + relPath) && url.query() == query &&
               evalJs(app, "document.readyState", Pane::WebBrowser2).toString() == "complete";
    });
}

// Opens each game by its topic as a child does, then plays it once with a
// fixed seed; no page may report a script error on the way.
void openAndPlay(const std::vector<const char*>& keys) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    ASSERT_TRUE(app->window().clickTab("数学游戏"));
    ASSERT_TRUE(waitFor([&] { return app->window().tree().item("q612") != nullptr; }));
    auto& pane = static_cast<PanePage&>(*app->window().browser(Pane::WebBrowser2).page());
    for (const char* key : keys) {
        const QString page = pageOf(key);
        pane.clearScriptErrors();
        app->window().tree().open(key);
        ASSERT_TRUE(shows(*app, page)) << key << " did not open " << page.toStdString();
        EXPECT_EQ(app->window().front(), Pane::WebBrowser2) << key;
        const QString script = playScript(key);
        if (script.isEmpty()) {
            EXPECT_EQ(pane.scriptErrors(), QStringList()) << key;
            continue;  // the two older pages have no scripted play
        }
        QUrl seeded = QUrl::fromLocalFile(QDir(app->dataRoot()).filePath(page));
        seeded.setQuery("seed=1");
        pane.load(seeded);
        ASSERT_TRUE(shows(*app, page, "seed=1")) << key;
        evalJs(*app, "window.__playError = ''; window.__playDone = false; (async function(){\n" + script +
                         "\n})().catch(function(e){ window.__playError = String(e); })"
                         ".finally(function(){ window.__playDone = true; });",
               Pane::WebBrowser2);
        // The play has ended (its own last checks included) and the page shows its result.
        const bool finished = QTest::qWaitFor([&] {
            return evalJs(*app, "window.__playDone === true", Pane::WebBrowser2).toBool() &&
                   !evalJs(*app, "(document.getElementById('result') || {}).textContent || ''", Pane::WebBrowser2)
                        .toString()
                        .trimmed()
                        .isEmpty();
        }, kPlayTimeoutMs);
        EXPECT_TRUE(finished) << key << ": the scripted play did not reach the result";
        EXPECT_EQ(evalJs(*app, "window.__playError", Pane::WebBrowser2).toString(), QString()) << key;
        EXPECT_EQ(pane.scriptErrors(), QStringList()) << key;
    }
}

TEST(GamePages, EveryGamePageIsThere) {
    for (const char* key : kGameKeys) {
        EXPECT_TRUE(QFile::exists(QString(TALLYMOO_DATA_DIR) + "/" + pageOf(key))) << key;
    }
}

TEST(GamePages, NumberGamesOpenAndPlay) { openAndPlay({"q63", "q65", "q66", "q67", "q68", "q69"}); }
TEST(GamePages, BoardAndQuickGamesOpenAndPlay) { openAndPlay({"q64", "q602", "q604", "q612"}); }
TEST(GamePages, BallGamesOpenAndPlay) { openAndPlay({"q601", "q603", "q606", "q608"}); }
TEST(GamePages, JourneyGamesOpenAndPlay) { openAndPlay({"q607", "q609", "q610", "q611"}); }

}  // namespace
}  // namespace tally::testing
