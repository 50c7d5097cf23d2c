// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/gbk.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

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
