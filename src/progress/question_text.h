#pragma once
#include <map>
#include <string>
#include <vector>

namespace tally {

// The questions of a sheet as plain text, read from the page the program
// wrote before it is marked, so a missed question can be kept in the record
// and asked again. A question runs from the line break (or paragraph) before
// its answer field to the "<br><br>" after it; its "第N题：" or "N：" is
// dropped, each answer field becomes kAnswerBlank, a line break "\n".
class SheetQuestions {
public:
    explicit SheetQuestions(std::string bodyHtml);

    // The question holding the field of this name; "" when there is none.
    std::string of(const std::string& field) const;
    // A fraction question ("5/7+2/3="), read from the cells of its table.
    std::string fractionOf(const std::string& numeratorField) const;

private:
    std::string html_;
    // Read once, so a long sheet costs one pass: where each named element's
    // tag starts, where a question may start (just after a line break pair or
    // a paragraph), and where one ends (at a line break pair).
    std::map<std::string, std::size_t> fields_;
    std::vector<std::size_t> starts_;
    std::vector<std::size_t> ends_;

    std::size_t fieldStart(const std::string& field) const;
    std::string segmentAround(std::size_t fieldAt) const;
};

}  // namespace tally
