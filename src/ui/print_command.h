// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTextStream>

namespace tally {

struct AppOptions;

// tallymoo --print KEY FILE.pdf [--count N] [--seed S]: the worksheet a click
// on KEY writes, with its answer key, as PDF, without a window or a login.
// The sheet is kept in the record (--record FILE, else the user's own) under
// the code printed on it, which goes to `out`; --print-code KEY writes only
// the code such a print would carry, and keeps nothing.
// Returns the exit status: 0 when the file is written, 2 otherwise, after a
// message on `err`.
// KEY "report": the weekly report of the record (--record FILE, else the
// user's own) for the last seven days up to --today or the computer's date,
// its misses without their right answers (no parent has logged in).
inline constexpr const char* kReportKey = "report";
// "mix:NAME": a 口算卷 saved for the child or the computer, or a ready one.
inline constexpr const char* kMixPrefix = "mix:";
int runPrintCommand(const AppOptions& options, QTextStream& out, QTextStream& err);

}  // namespace tally
