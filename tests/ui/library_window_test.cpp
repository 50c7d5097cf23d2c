#include <filesystem>
#include <fstream>

#include "shell/gbk.h"
#include "ui/login_form.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// A data folder holding the login file and a first-grade file of twelve
// templates; template k asks for k + 1 个.
QString dataWithFirstGradeFile(const QTemporaryDir& temp) {
    const std::filesystem::path root = std::filesystem::path(temp.path().toStdString()) / "data";
    std::filesystem::create_directories(root);
    std::filesystem::copy_file(std::filesystem::path(TALLYMOO_DATA_DIR) / "tallymoologin.ini", root / "tallymoologin.ini");
    std::string text;
    for (int k = 1; k <= 12; ++k) {
        text += "第" + std::to_string(k) + "题：树上有(x=1_2)只鸟，又飞来" + std::to_string(k) + "只，一共有(z=x+" +
                std::to_string(k) + ")只？\r\n";
    }
    std::ofstream(root / "一年级应用题.txt", std::ios::binary) << utf8ToGbk(text).value();
    return QString::fromStdString(root.string());
}

// A parent opens 应用题-简单 in the real window, the answers are typed into the
// view (one of them without its unit), and the sheet is marked in the view.
TEST(LibraryWindow, AWordProblemSheetIsAnsweredAndMarkedInTheView) {
    QTemporaryDir temp;
    AppOptions options = repositoryData();
    options.dataDir = dataWithFirstGradeFile(temp);
    auto app = start(
        [](QDialog& dialog) {
            auto* login = qobject_cast<LoginForm*>(&dialog);
            if (!login) return;
            QTest::keyClicks(&login->passwordBox(), "238");
            QTest::keyClick(&login->passwordBox(), Qt::Key_Return);
        },
        options);
    ASSERT_TRUE(app);

    QTabBar& tabs = app->window().tabStrip();
    int tab = 0;
    while (tab < tabs.count() && tabs.tabText(tab) != "应用题") ++tab;
    ASSERT_LT(tab, tabs.count());
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(tab).center());
    ASSERT_TRUE(waitFor([&] { return app->window().tree().item("q57") != nullptr; }));
    ASSERT_TRUE(app->window().tree().open("q57"));
    ASSERT_TRUE(waitFor([&] { return app->page().has("answer10") && app->bridge().idle(); }));
    ASSERT_TRUE(waitForJs(*app, "!!document.getElementsByName('answer10')[0]", true));

    // Each answer is the part of the model's tag before "|"; the third is typed without its unit.
    for (int field = 1; field <= 10; ++field) {
        const std::string name = "answer" + std::to_string(field);
        QString answer = QString::fromStdString(app->page().tag(name)).section('|', 0, 0);
        if (field == 3) answer.remove("只");
        typeInView(*app, QString::fromStdString(name), answer);
    }
    ASSERT_TRUE(waitFor([&] { return !app->page().value("answer10").empty() && app->bridge().idle(); }));
    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    const QString marked = "document.body.innerText";
    EXPECT_TRUE(waitFor([&] { return evalJs(*app, marked).toString().contains("你的得分是90分"); }))
        << evalJs(*app, marked).toString().toStdString();
    const QString text = evalJs(*app, marked).toString();
    EXPECT_EQ(text.count("(√，正确答案："), 9);
    EXPECT_EQ(text.count("(×，正确答案："), 1);
}

}  // namespace
}  // namespace tally::testing
