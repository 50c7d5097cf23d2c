#include "ui/pane_printer.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QWebEngineView>
#include <memory>

#include "ui/clock_panel.h"
#include "ui/main_window.h"

namespace tally {

PanePrinter::PanePrinter(MainWindow& window) : QObject(&window), window_(window) {}

void PanePrinter::print() {
    if (busy_) return;  // the view prints one page at a time
    if (window_.front() == Pane::Picture2) {
        printWidget(window_.clockPanel());
    } else {
        printPage(window_.browser(window_.front()));
    }
}

void PanePrinter::printPage(QWebEngineView& view) {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), &window_);
    dialog.setObjectName("PrintDialog");
    if (dialog.exec() != QDialog::Accepted) return;
    busy_ = true;
    // The printer must live until the view has finished with it.
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(&view, &QWebEngineView::printFinished, this, [this, printer, connection](bool) {
        busy_ = false;
        disconnect(*connection);
    });
    view.print(printer.get());
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
