// SPDX-License-Identifier: GPL-3.0-or-later
#include "classroom/csv_rows.h"

namespace tally {
namespace {

// Reads one row from `at`, which it leaves at the next row's start.
class RowReader {
public:
    RowReader(std::string_view text, std::size_t& at, int& line) : text_(text), at_(at), line_(line) {}

    std::vector<std::string> row() {
        std::vector<std::string> fields(1);
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"' && fields.back().empty() && !quotedHere_) {
                quoted(fields.back());
            } else if (c == ',') {
                fields.emplace_back();
                quotedHere_ = false;
            } else if (c == '\n') {
                ++line_;
                break;
            } else if (c != '\r' || (at_ < text_.size() && text_[at_] != '\n')) {
                fields.back() += c;
            }
        }
        return fields;
    }

private:
    std::string_view text_;
    std::size_t& at_;
    int& line_;
    bool quotedHere_ = false;

    // The rest of a quoted field; what follows its closing quote up to the
    // next comma is kept as it stands, as spreadsheets read it.
    void quoted(std::string& field) {
        quotedHere_ = true;
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"' && at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
            } else if (c == '"') {
                return;
            } else {
                if (c == '\n') ++line_;
                field += c;
            }
        }
    }
};

bool blank(const std::vector<std::string>& fields) {
    for (const std::string& field : fields) {
        if (field.find_first_not_of(" \t") != std::string::npos) return false;
    }
    return true;
}

}  // namespace

std::vector<CsvRow> csvRows(std::string_view text) {
    std::vector<CsvRow> rows;
    std::size_t at = 0;
    int line = 1;
    while (at < text.size()) {
        const int first = line;
        std::vector<std::string> fields = RowReader(text, at, line).row();
        if (!blank(fields)) rows.push_back({first, std::move(fields)});
    }
    return rows;
}

}  // namespace tally
