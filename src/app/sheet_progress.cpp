#include "app/sheet_progress.h"

#include <map>

#include "sheets/typed_answer.h"
#include "sheets/worksheet.h"

namespace tally {
namespace {

std::string questionNumber(const std::string& field) {
    const std::size_t digits = field.find_last_not_of("0123456789") + 1;
    return digits < field.size() ? field.substr(digits) : field;
}

}  // namespace

SheetProgress sheetProgress(const Page& page, AnswerStyle style) {
    std::map<std::string, bool> filled;  // question -> every field filled in
    SheetProgress progress;
    for (const FieldAnswer& field : worksheetAnswers(style, page.bodyHtml())) {
        const bool typed = !foldTypedAnswer(page.value(field.field)).empty();
        progress.anyTyped = progress.anyTyped || typed;
        const auto [entry, added] = filled.emplace(questionNumber(field.field), typed);
        if (!added) entry->second = entry->second && typed;
    }
    progress.questions = static_cast<int>(filled.size());
    for (const auto& [question, done] : filled) progress.answered += done ? 1 : 0;
    return progress;
}

std::string progressText(const SheetProgress& progress) {
    return "已做" + std::to_string(progress.answered) + "/" + std::to_string(progress.questions);
}

}  // namespace tally
