// SPDX-License-Identifier: GPL-3.0-or-later
#include <sodium.h>

#include <fstream>
#include <regex>

#include "ui/pupil_login_form.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

constexpr const char* kAwayServer = "host=127.0.0.1 port=1 connect_timeout=1 user=tallymoo_lab";

// The lab computer as a pupil's earlier login left it: the class joined, the
// pupil's PIN hash and two assignments.
void keepLab(const std::filesystem::path& folder) {
    char hash[crypto_pwhash_STRBYTES];
    ASSERT_EQ(sodium_init() < 0 ? -1 : crypto_pwhash_str(hash, "1357", 4, crypto_pwhash_OPSLIMIT_INTERACTIVE, 8 << 20), 0);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "school.txt") << "server\t" << kAwayServer << "\nclass\t7\tABCD2345\t二年级（1）班\n"
                                         << "pupil\t31\t7\t小丽\t" << hash << "\n"
                                         << "assignment\t31\t101\t7\tk2101\t4\t2026-12-18\t11\t两位数加两位数（不进位）\n"
                                         << "assignment\t31\t102\t7\tk2102\t5\t2026-12-20\t12\t两位数加两位数（进位）\n";
}

// Pictures to look at, when a folder for them is given; the view paints a
// moment after its page changed.
void keepPicture(const std::function<QImage()>& picture, const QString& name) {
    if (const QString folder = qEnvironmentVariable("TALLYMOO_SHOTS"); !folder.isEmpty()) {
        QTest::qWait(500);
        picture().save(folder + "/pupilwin-" + name + ".png");
    }
}

// With the server away, a pupil who logged in here before logs in again,
// starts on 下发的练习, opens an assignment from its link and comes back to it
// marked; the answers wait on the computer, and the window never waits.
TEST(PupilWindow, APupilLogsInAndDoesAnAssignmentFromTheList) {
    AppOptions options = repositoryData();
    keepLab(std::filesystem::path(options.recordFile.toStdString()).parent_path() / "school");
    options.school = kAwayServer;
    QString refused;
    auto app = start(
        [&refused](QDialog& dialog) {
            auto* login = qobject_cast<PupilLoginForm*>(&dialog);
            ASSERT_TRUE(login);
            login->nameBox().insert("小丽");
            QTest::keyClicks(&login->pinBox(), "9999");
            QTest::mouseClick(&login->confirmButton(), Qt::LeftButton);
            refused = login->problemLabel().text();
            QTest::keyClicks(&login->pinBox(), "13a57");
            keepPicture([&dialog] { return dialog.grab().toImage(); }, "login");
            QTest::mouseClick(&login->confirmButton(), Qt::LeftButton);
        },
        options);
    ASSERT_TRUE(app);
    EXPECT_TRUE(refused.startsWith("连不上学校的服务器")) << refused.toStdString();
    ASSERT_TRUE(waitFor([&] { return app->form().pupilAssignmentsOnPage(); }));
    ASSERT_TRUE(waitForJs(*app, "document.querySelectorAll('a.open').length", 2));

    evalJs(*app, "document.querySelector('a[href=\"assignment-101.tallymoo\"]').click()");
    ASSERT_TRUE(waitFor([&] { return app->form().assignmentOnPage() && app->bridge().idle(); }));
    const std::string sheet = app->page().bodyHtml();
    const std::regex sum("第([0-9]+)题：([0-9]+)＋([0-9]+)＝");
    for (std::sregex_iterator at(sheet.begin(), sheet.end(), sum), end; at != end; ++at) {
        const int right = std::stoi((*at)[2]) + std::stoi((*at)[3]);
        ASSERT_TRUE(typeInView(*app, QString("answer%1").arg((*at)[1].str().c_str()), QString::number(right)));
    }
    evalJs(*app, "document.getElementsByName('finish')[0].click()");
    ASSERT_TRUE(waitForJs(*app, "document.getElementsByName('assignments').length", 1));
    keepPicture([&app] { return app->window().picture(); }, "marked");
    evalJs(*app, "document.getElementsByName('assignments')[0].click()");
    ASSERT_TRUE(waitFor([&] {
        return evalJs(*app, "document.body.innerText").toString().contains("做完了，做对了4道（共4道）");
    })) << evalJs(*app, "document.body.innerText").toString().toStdString();
    EXPECT_TRUE(app->window().status().contains("还有4道题没有交给老师")) << app->window().status().toStdString();
    keepPicture([&app] { return app->window().picture(); }, "assignments");
}

}  // namespace
}  // namespace tally::testing
