#include "ui/pane_printer.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
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
    // thread: the printer and the view are left to the end of the process
    // rather than pulled from under it.
    if (busy_) {
        static_cast<void>(pagePrinter_.release());
        static_cast<void>(worksheetView_.release());
    }
}

void PanePrinter::print() {
    if (busy_) return;  // the view prints one page at a time
    if (window_.front() == Pane::Picture2) {
        printWidget(window_.clockPanel());
    } else {
        printPage(window_.browser(window_.front()));
    }
}

bool PanePrinter::askPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, &window_);
    dialog.setObjectName("PrintDialog");
    return dialog.exec() == QDialog::Accepted;
}

void PanePrinter::printPage(QWebEngineView& view) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!askPrinter(*printer)) return;
    busy_ = true;
    pagePrinter_ = std::move(printer);
    view.print(pagePrinter_.get());
}

void PanePrinter::printWorksheet(const QString& html, const QString& baseDir) {
    if (busy_) return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    if (!askPrinter(*printer)) return;
    busy_ = true;
    pagePrinter_ = std::move(printer);
    worksheetView_ = std::make_unique<QWebEngineView>();
    QWebEngineView& view = *worksheetView_;
    connect(&view, &QWebEngineView::printFinished, this, [this] { busy_ = false; });
    connect(&view, &QWebEngineView::loadFinished, this, [this, &view](bool) { view.print(pagePrinter_.get()); });
    view.setHtml(html, QUrl::fromLocalFile(QDir(baseDir).absolutePath() + "/"));
}

void PanePrinter::printWidget(QWidget& widget) {
    QPrinter printer(QPrinter::HighResolution);
    if (!askPrinter(printer)) return;
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
