// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace tally {

// A row of a CSV text and the line it starts on (from 1).
struct CsvRow {
    int line = 0;
    std::vector<std::string> fields;
};

// The rows of a CSV text as spreadsheets write it: fields split by commas,
// a field in double quotes may hold commas, line breaks and "" for a quote;
// lines end in LF or CR LF. A line with nothing on it is no row.
std::vector<CsvRow> csvRows(std::string_view text);

}  // namespace tally
