// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QWidget>

class QLineEdit;

namespace tally {

// One clock spinner: a read-only box with the two-digit value and an up and a
// down button beside it.
class Spinner : public QWidget {
    Q_OBJECT

public:
    Spinner(const QString& boxName, const QString& caption, QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const;

signals:
    void stepped(bool up);

private:
    QLineEdit* box_;
};

}  // namespace tally
