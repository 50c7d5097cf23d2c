#include "ui/pane_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWebEngineView>
#include <memory>

#include "ui/clock_panel.h"
#include "ui/main_window.h"

namespace tally {

PanePrinter::PanePrinter(MainWindow& window) : QObject(&window), window_(window) {
    connect(&window_.browser(Pane::WebBrowser1), &QWebEngineView::printFinished, this, [this] { busy_ = false; });
    connect(&window_.browser(Pane::WebBrowser2), &QWebEngineView::printFinished, this, [this] { busy_ = false; });
}

PanePrinter::~PanePrinter() {
    // A print still running writes to its printer from the view's worker
    // thread: the printer is left to the end of the process rather than pulled
    // from under it.
    if (busy_) static_cast<void>(pagePrinter_.release());
}

void PanePrinter::print() {
    if (busy_) return;  // the view prints one page at a time
    if (window_.front() == Pane::Picture2) {
        printWidget(window_.clockPanel());
    } else {
        printPage(window_.browser(window_.front()));
    }
}

void PanePrinter::printPage(QWebEngineView& view) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), &window_);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted) return;
    busy_ = true;
    pagePrinter_ = std::move(printer);
    view.print(pagePrinter_.get());
}

void PanePrinter::printWidget(QWidget& widget) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &window_);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted) return;
    const QPixmap picture = widget.grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize size = picture.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(picture.rect());
    painter.drawPixmap(0, 0, picture);
}

}  // namespace tally
