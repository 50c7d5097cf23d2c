// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <map>
#include <string>
#include <vector>

namespace tally {

// The questions of a sheet as plain text, read from the page the program
// wrote before it is marked, so a missed question can be kept in the record
// and asked again. A question runs from the line break pair (or paragraph,
// or the end of a table) before its answer field to the "<br><br>" after it
// (or the end of the table it is in); its "第N题：" or "N："
// is dropped, each answer field becomes kAnswerBlank, a line break "\n".
class SheetQuestions {
public:
    explicit SheetQuestions(const std::string& bodyHtml);

    // The question holding the field of this name; "" when there is none.
    std::string of(const std::string& field) const;
    // A fraction question ("5/7+2/3="), read from the cells of its table.
    std::string fractionOf(const std::string& numeratorField) const;

    // The page in document order, as far as a question's text needs it.
    struct Piece {
        enum class Kind { Text, Break, Field, Start, End, CellEnd, RowEnd, TableStart, TableEnd };
        Kind kind = Kind::Text;
        std::string text;  // Text: the words; Field: the field's name
    };

private:
    // Read once, so a long sheet costs one pass.
    std::vector<Piece> pieces_;
    std::map<std::string, std::size_t> fields_;  // name -> index in pieces_

    std::size_t fieldAt(const std::string& field) const;
};

}  // namespace tally
