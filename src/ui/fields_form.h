// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;

namespace tally {

// A small form of the 班级 view (新建班级, 添加学生): a line of help, a few
// fields, and a button that hands their texts to `send`, which does the
// work and says why not; the form closes once it says "". An extra button
// (导入名单…) closes it with kExtraChosen.
class FieldsForm : public QDialog {
    Q_OBJECT

public:
    struct Field {
        const char* name;     // the box's object name
        const char* caption;  // what the box is for
        std::string text;     // what it holds at first
    };
    using Send = std::function<std::string(const std::vector<std::string>& texts)>;
    static constexpr int kExtraChosen = 2;

    FieldsForm(const QString& title, const QString& help, std::vector<Field> fields, const QString& confirm, Send send,
               const QString& extra = {}, QWidget* parent = nullptr);

private:
    Send send_;
    std::vector<QLineEdit*> boxes_;
    QLabel* problem_;

    void confirm();
};

}  // namespace tally
