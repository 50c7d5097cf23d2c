// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <memory>

#include "page/html_page.h"
#include "sqlite_record/sqlite_record.h"
#include "system/fs_data_directory.h"
#include "base/seeded_random.h"
#include "system/system_clock.h"
#include "ui/app_options.h"

namespace tally {

class ClassroomControl;
class Form1;
class MainWindow;
class PageBridge;
class QtUserInterface;
class SchoolDesk;
class WindowTimers;

// The desktop program put together: the model, its ports and the window, with
// every control's event wired to the model.
class DesktopApp {
public:
    explicit DesktopApp(const AppOptions& options);
    ~DesktopApp();
    DesktopApp(const DesktopApp&) = delete;
    DesktopApp& operator=(const DesktopApp&) = delete;

    // Shows the window; start-up (the login dialog first) follows on the event loop.
    void start();

    Form1& form() { return *form_; }
    HtmlPage& page() { return page_; }
    MainWindow& window() { return *window_; }
    QtUserInterface& ui() { return *ui_; }
    WindowTimers& timers() { return *timers_; }
    PageBridge& bridge() { return *bridge_; }
    const QString& dataRoot() const { return dataRoot_; }
    // The school's link, beside the record (its folder "school"); nothing
    // without a record.
    SchoolDesk* school() { return school_.get(); }

private:
    QString dataRoot_;
    FsDataDirectory data_;
    SeededRandom random_;
    FixedDayClock clock_;
    HtmlPage page_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<WindowTimers> timers_;
    std::unique_ptr<QtUserInterface> ui_;
    std::unique_ptr<SqliteRecord> record_;
    std::unique_ptr<Form1> form_;
    std::unique_ptr<SchoolDesk> school_;
    // The record of the pupil logged in on a lab computer, the model's then.
    std::unique_ptr<SqliteRecord> pupilRecord_;
    int follows_ = 0;
    // The teacher's 班级 view, where the school's server is set.
    std::unique_ptr<ClassroomControl> classroom_;
    PageBridge* bridge_ = nullptr;  // owned by WebBrowser1's page

    void wire();
    // A lab computer asks for a pupil first: false when the dialog was
    // closed, which ends the program.
    bool askForPupil();
    void becomePupil();
    // What the school's threads handed over: new assignments, a send done.
    void followSchool();
};

}  // namespace tally
