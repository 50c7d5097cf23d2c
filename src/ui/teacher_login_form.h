// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace tally {

// The teacher's login to the school's server: the teacher's account (the
// role, "teacher" unless the school named it otherwise) and password. The
// password goes from the box to `logIn` and nowhere else; the dialog closes
// once `logIn` says "" and shows its reason otherwise.
class TeacherLoginForm : public QDialog {
    Q_OBJECT

public:
    using LogIn = std::function<std::string(const std::string& role, const std::string& password)>;
    TeacherLoginForm(LogIn logIn, QWidget* parent = nullptr);

private:
    LogIn logIn_;
    QLineEdit* role_;
    QLineEdit* password_;
    QLabel* problem_;

    void confirm();
};

}  // namespace tally
