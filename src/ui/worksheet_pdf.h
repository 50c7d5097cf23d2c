#pragma once
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

}  // namespace tally
