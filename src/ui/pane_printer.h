#pragma once
#include <QObject>

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
    void print();
    bool busy() const { return busy_; }

private:
    MainWindow& window_;
    bool busy_ = false;

    void printPage(QWebEngineView& view);
    void printWidget(QWidget& widget);
};

}  // namespace tally
