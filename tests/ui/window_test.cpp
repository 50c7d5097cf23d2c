// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QPushButton>

#include "topics/tree_model.h"
#include "ui/tree_mark_delegate.h"
#include "ui_harness.h"

namespace tally::testing {
namespace {

// Prints the pane in front to a PDF file through the print dialog and waits
// until the file is written to its end. Where the window asks what to print
// (a sheet on screen), the button named `choice` answers.
bool printsToPdf(MainWindow& window, const QString& path, const QString& choice = "PrintPage") {
    const auto printToFile = [path](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>("printers");
        auto* fileName = dialog.findChild<QLineEdit*>("filename");
        if (!printers || !fileName) return dialog.reject();
        const int toFile = printers->findText("Print to File (PDF)");
        if (toFile >= 0) printers->setCurrentIndex(toFile);
        fileName->setText(path);
        dialog.accept();
    };
    onNextDialog([printToFile, choice](QDialog& dialog) {
        if (dialog.objectName() != "PrintChoice") return printToFile(dialog);
        auto* button = dialog.findChild<QPushButton*>(choice);
        if (!button) return dialog.reject();
        onNextDialog(printToFile);
        button->click();
    });
    window.toolbarAction("w12")->trigger();
    return waitFor([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return false;
        const QByteArray bytes = file.readAll();
        return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
    });
}

// The text of a PDF (empty for pages printed as pictures) and how near the
// paper's edge its ink comes, in millimetres, as poppler draws the pages. Ink,
// not word boxes: a CJK font's word boxes reach far above its letters.
struct PrintedText {
    QString text;
    double nearestEdgeMm = 0;
};

PrintedText readPrinted(const QString& pdf) {
    PrintedText printed;
    QProcess reader;
    reader.start("pdftotext", {pdf, "-"});
    if (!reader.waitForFinished(60000)) return printed;
    printed.text = QString::fromUtf8(reader.readAllStandardOutput());

    constexpr int kDotsPerInch = 72;
    QTemporaryDir pages;
    QProcess drawer;
    drawer.start("pdftoppm", {"-r", QString::number(kDotsPerInch), "-gray", pdf, pages.filePath("page")});
    if (!drawer.waitForFinished(60000)) return printed;
    int nearest = std::numeric_limits<int>::max();
    for (const QString& name : QDir(pages.path()).entryList({"page*"})) {
        const QImage page(pages.filePath(name));
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (qGray(page.pixel(x, y)) > 160) continue;
                nearest = std::min({nearest, x, y, page.width() - 1 - x, page.height() - 1 - y});
            }
        }
    }
    printed.nearestEdgeMm = nearest * 25.4 / kDotsPerInch;
    return printed;
}

TEST(Window, TabsClockAndPrinting) {
    // The parent: the worksheet is printed with its key.
    auto app = startLoggedIn("238");
    ASSERT_TRUE(app);
    MainWindow& window = app->window();

    // A click on the tab strip rebuilds the tree.
    QTabBar& tabs = window.tabStrip();
    QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    ASSERT_TRUE(waitFor([&] { return window.tree().item("q77") != nullptr; })) << "the tree was not rebuilt";

    // The clock topic brings the clock panel, which prints as it is shown.
    window.tree().open("q77");
    ASSERT_TRUE(waitFor([&] { return window.front() == Pane::Picture2 && app->form().clockFace().radius() > 0; }));
    QTemporaryDir temp;
    EXPECT_TRUE(printsToPdf(window, temp.filePath("clock.pdf"))) << "the clock panel";

    ASSERT_TRUE(writeBodyAndWait(*app, "<p>第1题：1+2=<input name=answer1 tag=3></p>"));
    window.bringToFront(Pane::WebBrowser1);
    EXPECT_TRUE(printsToPdf(window, temp.filePath("sheet.pdf"))) << "the sheet";
    // Printed into a file, the page is text, inside margins of at least 15 mm.
    const PrintedText sheet = readPrinted(temp.filePath("sheet.pdf"));
    EXPECT_TRUE(sheet.text.contains("第1题")) << sheet.text.toStdString();
    EXPECT_GE(sheet.nearestEdgeMm, 15.0);

    // The worksheet, written by the same code as --print (whose pages its own
    // test reads), as text inside the margins.
    const QString worksheet = temp.filePath("worksheet.pdf");
    ASSERT_TRUE(printsToPdf(window, worksheet, "PrintWorksheet"));
    const PrintedText printed = readPrinted(worksheet);
    EXPECT_TRUE(printed.text.contains("姓名")) << printed.text.toStdString();
    EXPECT_GE(printed.nearestEdgeMm, 15.0);
}

TEST(Tree, RebuildShowsTheModelAndReportsNoClick) {
    TreeModel model;
    model.add({"q1", "加法", "+0", "", 4, 4, false});
    model.add({"q11", "10以内加法", "+10", "q1", 1, 2, false});
    model.add({"q2", "减法", "-0", "", 4, 4, false});
    model.add({"q21", "10以内减法", "-10", "q2", 1, 2, false});
    model.expand("q2");
    model.select("q21");
    TopicTree tree;
    QSignalSpy clicks(&tree, &TopicTree::nodeClicked);
    tree.rebuild(model);
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(tree.item("q21")->parent(), tree.item("q2"));
    EXPECT_FALSE(tree.item("q1")->isExpanded());
    EXPECT_TRUE(tree.item("q2")->isExpanded());
    EXPECT_EQ(TopicTree::keyOf(tree.currentItem()), "q21");

    // What the child opened stays open when the model only grew...
    tree.item("q1")->setExpanded(true);
    model.add({"q12", "20以内加法", "+20", "q1", 1, 2, false});
    tree.rebuild(model);
    EXPECT_TRUE(tree.item("q1")->isExpanded());
    // ...but a rebuild of the same nodes (the tab clicked again) closes it.
    tree.rebuild(model);
    EXPECT_FALSE(tree.item("q1")->isExpanded());
    EXPECT_TRUE(tree.item("q2")->isExpanded());

    // A mark shown anew leaves the tree as the child opened it.
    tree.item("q1")->setExpanded(true);
    model.setBadge("q11", {"熟练", BadgeTone::Good});
    tree.showMarks(model);
    EXPECT_TRUE(tree.item("q1")->isExpanded());
    EXPECT_EQ(tree.item("q11")->data(0, kMarkWordRole).toString(), "熟练");
    EXPECT_EQ(tree.item("q11")->text(0), "10以内加法") << "the mark's word is not the caption's";
}

}  // namespace
}  // namespace tally::testing
