#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "shell/form1.h"
#include "ui/main_window.h"
#include "ui/page_bridge.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// A PDF file that has been written to its end.
bool finishedPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}

// Chooses printing to a PDF file in the print dialog and confirms it.
void printToFile(QDialog& dialog, const QString& path) {
    auto* printers = dialog.findChild<QComboBox*>("printers");
    auto* fileName = dialog.findChild<QLineEdit*>("filename");
    ASSERT_NE(printers, nullptr);
    ASSERT_NE(fileName, nullptr);
    const int toFile = printers->findText("Print to File (PDF)");
    if (toFile >= 0) printers->setCurrentIndex(toFile);
    fileName->setText(path);
    dialog.accept();
}

TEST(Print, TheSheetInFrontPrintsToAPdfFile) {
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    ASSERT_TRUE(writeBodyAndWait(*app, "<p>第1题：1+2=<input name=answer1 tag=3></p>"));
    QTemporaryDir temp;
    const QString pdf = temp.filePath("sheet.pdf");
    QString dialogName;
    onNextDialog([&](QDialog& dialog) {
        dialogName = dialog.metaObject()->className();
        printToFile(dialog, pdf);
    });
    app->window().toolbarAction("w12")->trigger();
    EXPECT_TRUE(waitFor([&] { return finishedPdf(pdf); })) << dialogName.toStdString();
}

TEST(Print, TheClockPanelPrintsItsPicture) {
    auto app = startLoggedIn("");
    ASSERT_TRUE(app);
    app->window().bringToFront(Pane::Picture2);
    QTemporaryDir temp;
    const QString pdf = temp.filePath("clock.pdf");
    onNextDialog([&](QDialog& dialog) { printToFile(dialog, pdf); });
    app->window().toolbarAction("w12")->trigger();
    EXPECT_TRUE(waitFor([&] { return finishedPdf(pdf); }));
}

}  // namespace
}  // namespace tally::testing
