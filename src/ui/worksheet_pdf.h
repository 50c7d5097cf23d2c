// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QPageLayout>
#include <QString>

namespace tally {

// Writes a worksheet document as an A4 PDF file through the browser engine's
// own PDF printing (its print style sheet decides the layout). Relative links
// resolve in `baseDir`, so pictures of the data directory show. Blocks in a
// local event loop until the file is written; false with a reason in Chinese
// otherwise, and then nothing is left behind and a file that was there is
// untouched. A read-only file is not replaced. The PDF keeps the mode of the
// file it replaces, or gets the user's usual mode.
// A4 with the margins every printed page keeps (at least 15 mm a side).
QPageLayout printedPageLayout();
inline constexpr double kSmallestMarginMm = 15;

bool writeWorksheetPdf(const QString& html, const QString& baseDir, const QString& file, QString* error);

// Why a PDF cannot be written into `file` (a folder, a read-only file, a
// folder without write permission), in Chinese; empty when it can.
QString pdfFileRefusal(const QString& file);
// Puts printed PDF bytes in `file`, whole or not at all, with the mode
// replaceFileAtomically gives; false with a reason when they are empty or
// cannot be written.
bool keepPdf(const QString& file, const QByteArray& pdf, QString* error);

}  // namespace tally
