// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop_app.h"

#include "ui/pane_page.h"
#include "ui/pupil_login_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineView>

#include "system/data_location.h"
#include "app/form1.h"
#include "app/game_topics.h"
#include "pg_school/school_desk.h"
#include "ui/classroom_control.h"
#include "ui/clock_panel.h"
#include "ui/clock_picture.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"
#include "ui/qt_user_interface.h"
#include "ui/window_timers.h"
#include "window/pupil_login_dialog.h"

namespace tally {
namespace {

// How often the window looks at what the school's threads handed over.
constexpr int kSchoolFollowMs = 500;
// Answers that could not go are tried again this often (in looks), on the courier's thread.
constexpr int kSendAgainEvery = 60;

QString dataRootOf(const AppOptions& options) {
    const QString dir = options.dataDir.isEmpty() ? findDataDirectory(QCoreApplication::applicationDirPath())
                                                  : options.dataDir;
    return QDir(dir).absolutePath();
}

}  // namespace

DesktopApp::DesktopApp(const AppOptions& options)
    : dataRoot_(dataRootOf(options)),
      data_(dataRoot_.toStdString()),
      random_(options.seed ? *options.seed : freshSeed()),
      clock_(options.today),
      window_(std::make_unique<MainWindow>(dataRoot_)),
      timers_(std::make_unique<WindowTimers>()),
      ui_(std::make_unique<QtUserInterface>(*window_, dataRoot_)) {
    // An installed program cannot write its data directory: the login file
    // then goes to the user's own data folder.
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!userData.isEmpty()) data_.setWriteFallback(userData.toStdString());
    // Installed with the package: never written, even by an administrator.
    const bool installed = options.dataDir.isEmpty() &&
                           locateDataDirectory(QCoreApplication::applicationDirPath().toStdString()).installed;
    data_.setRootReadOnly(installed);
    form_ = std::make_unique<Form1>(Ports{*ui_, page_, random_, *timers_, data_, clock_});
    if (options.grade) form_->setPracticeGrade(*options.grade);
    const std::filesystem::path recordFile =
        options.recordFile.isEmpty() ? defaultRecordFile() : std::filesystem::path(options.recordFile.toStdString());
    if (!recordFile.empty()) {
        record_ = std::make_unique<SqliteRecord>(recordFile);
        form_->setRecord(record_.get());
        school_ = std::make_unique<SchoolDesk>(recordFile.parent_path() / "school", options.school.toStdString());
    }
    ui_->attach(*form_);
    if (school_ && school_->server()) {
        classroom_ = std::make_unique<ClassroomControl>(*window_, *ui_, *school_->server(), *form_);
        ui_->setClassroom(classroom_.get());
    }
    window_->toolbarAction("w18")->setVisible(classroom_ != nullptr);
    QWebEngineView& browser1 = window_->browser(Pane::WebBrowser1);
    bridge_ = new PageBridge(*browser1.page(), page_, *form_, browser1.page());
    wire();
}

DesktopApp::~DesktopApp() {
    // The window (and with it the bridge) goes first: nothing may reach the
    // model while it is taken down.
    timers_->setHandler(nullptr);
    window_.reset();
    // The school's threads stop before the records they worked for close.
    school_.reset();
}

void DesktopApp::wire() {
    Form1& form = *form_;
    timers_->setHandler([&form](int timer) { form.timerFired(timer); });
    MainWindow& window = *window_;
    window.setCloseCheck([&form] { return form.mayClose(); });
    QObject::connect(&window, &MainWindow::toolbarClicked, &window,
                     [&form](const QString& key) { form.clickToolbar(key.toStdString()); });
    QObject::connect(&window, &MainWindow::tabClicked, &window,
                     [&form](const QString& caption) { form.clickTab(caption.toStdString()); });
    // A game takes the keyboard when it opens: Enter and the arrow keys go to
    // the game, no longer to the tree (a click or Tab gives the tree them back).
    QObject::connect(&window, &MainWindow::nodeClicked, &window, [&form, &window](const QString& key) {
        form.clickNode(key.toStdString());
        const TopicNode* node = form.selectedNode();
        if (!node || node->key != key.toStdString() || !isGameTopic(form.familyTable(), node->tag)) return;
        if (window.front() != Pane::Picture2) window.browser(window.front()).setFocus(Qt::OtherFocusReason);
    });
    // Queued: the link is caught inside the browser's navigation, which must
    // not wait for a message box.
    QObject::connect(&window.pane(Pane::WebBrowser2), &PanePage::redrillRequested, &window,
                     [&form] { form.redrill(); }, Qt::QueuedConnection);
    QObject::connect(&window.pane(Pane::WebBrowser2), &PanePage::childRecordRequested, &window,
                     [&form](long long child) { form.showRecordOf(child); }, Qt::QueuedConnection);
    QObject::connect(&window.pane(Pane::WebBrowser2), &PanePage::earlierSheetsGiven, &window,
                     [&form](long long child) { form.giveEarlierSheets(child); }, Qt::QueuedConnection);
    QObject::connect(&window.pane(Pane::WebBrowser2), &PanePage::childReportRequested, &window,
                     [&form](long long child) { form.showReportOf(child); }, Qt::QueuedConnection);
    QObject::connect(&window.pane(Pane::WebBrowser2), &PanePage::factGridRequested, &window,
                     [&form](int place, long long child) { form.showFactGridOf(static_cast<std::size_t>(place), child); },
                     Qt::QueuedConnection);
    QObject::connect(&window.pane(Pane::WebBrowser1), &PanePage::assignmentRequested, &window,
                     [&form](const QString& link) {
                         if (const std::string problem = form.followLink(link.toStdString()); !problem.empty()) {
                             form.ui().message("提示", problem);
                         }
                     },
                     Qt::QueuedConnection);
    if (ClassroomControl* classroom = classroom_.get()) {
        QObject::connect(&window.pane(Pane::WebBrowser2), &PanePage::classLinkFollowed, &window,
                         [classroom](const QString& name) { classroom->follow(name.toStdString()); }, Qt::QueuedConnection);
    }
    ClockPanel& clock = window.clockPanel();
    QObject::connect(&clock, &ClockPanel::spun, &window, [&form](int upDown, bool up) { form.spin(upDown, up); });
    QObject::connect(&clock, &ClockPanel::checkClicked, &window,
                     [&form](bool ticked) { form.clickClockCheck(ticked); });
    QObject::connect(&clock.picture(), &ClockPicture::resized, &window,
                     [&form](double width, double height) { form.resizeClock(width, height); });
}

void DesktopApp::start() {
    window_->show();
    QTimer::singleShot(0, window_.get(), [this] {
        if (school_ && !school_->lab().classes().empty() && !askForPupil()) {
            window_->close();
            return;
        }
        form_->startUp();
    });
}

bool DesktopApp::askForPupil() {
    std::vector<std::string> classNames;
    for (const SchoolClass& joined : school_->lab().classes()) classNames.push_back(joined.name);
    PupilLoginDialog dialog(classNames, [this](const std::string& className, const std::string& name,
                                               const std::string& pin) {
        std::string problem = school_->logInPupil(className, name, pin);
        if (!problem.empty()) return problem;
        pupilRecord_ = std::make_unique<SqliteRecord>(school_->pupilRecord());
        return keepPupilAsChild(*pupilRecord_, PupilLogin{className, name, pin});
    });
    PupilLoginForm form(dialog, window_.get());
    ui_->run(form);
    const int closed = form.result();
    if (closed == PupilLoginForm::kFamilyLogin) return true;
    if (closed != QDialog::Accepted || !dialog.loggedIn()) return false;
    becomePupil();
    return true;
}

void DesktopApp::becomePupil() {
    form_->setRecord(pupilRecord_.get());
    form_->setPupil(school_->pupil()->pupil, school_->pupil()->assignments);
    // Sent once the event that stored the sheet is over, on the courier's thread.
    form_->setAssignmentStored([this] {
        QTimer::singleShot(0, window_.get(), [this] { school_->startSending(*pupilRecord_, form_->owner(), true); });
    });
    school_->watchAssignments();
    auto* follow = new QTimer(window_.get());
    QObject::connect(follow, &QTimer::timeout, window_.get(), [this] { followSchool(); });
    follow->start(kSchoolFollowMs);
    // What waits from an earlier session goes now.
    school_->startSending(*pupilRecord_, form_->owner(), false);
}

void DesktopApp::followSchool() {
    if (auto now = school_->changedAssignments()) form_->assignmentsChanged(std::move(*now));
    if (++follows_ % kSendAgainEvery == 0) school_->startSending(*pupilRecord_, form_->owner(), false);
    const std::optional<Upload> done = school_->sendDone(*pupilRecord_, form_->owner());
    if (!done) return;
    form_->showStatus();
    // A batch at a time, while each takes some.
    if (done->sent > 0 && done->waiting > 0) school_->startSending(*pupilRecord_, form_->owner(), false);
}

}  // namespace tally
