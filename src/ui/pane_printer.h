// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <memory>

class QPrinter;
class QWebEngineView;
class QWidget;

namespace tally {

class MainWindow;

// Prints the pane in front after the print dialog: a web view prints its page
// (asynchronously), the clock panel prints its picture.
class PanePrinter : public QObject {
    Q_OBJECT

public:
    explicit PanePrinter(MainWindow& window);
    ~PanePrinter() override;
    void print();
    // Prints a worksheet document (links resolve in `baseDir`) after the print dialog.
    void printWorksheet(const QString& html, const QString& baseDir);
    bool busy() const { return busy_; }

private:
    MainWindow& window_;
    bool busy_ = false;
    // The printer of the last page: the view's print worker may still be
    // closing it after it reports the end, so it is kept until the next print.
    std::unique_ptr<QPrinter> pagePrinter_;
    // The worksheet is laid out in a view of its own that is never shown.
    std::unique_ptr<QWebEngineView> worksheetView_;

    void printPage(QWebEngineView& view);
    void printWidget(QWidget& widget);
    bool askPrinter(QPrinter& printer);
};

}  // namespace tally
