// SPDX-License-Identifier: GPL-3.0-or-later
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

std::vector<std::string> answerFields(const Page& page, AnswerStyle style) {
    std::vector<std::string> fields;
    for (const FieldAnswer& field : worksheetAnswers(style, page.bodyHtml())) fields.push_back(field.field);
    return fields;
}

SheetProgress progressOf(const Page& page, const std::vector<std::string>& fields) {
    std::map<std::string, bool> filled;  // question -> every field filled in
    SheetProgress progress;
    for (const std::string& field : fields) {
        const bool typed = !foldTypedAnswer(page.value(field)).empty();
        progress.anyTyped = progress.anyTyped || typed;
        // A whole number answers a fraction question with its denominator box empty.
        if (field.starts_with("answerdown")) continue;
        const auto [entry, added] = filled.emplace(questionNumber(field), typed);
        if (!added) entry->second = entry->second && typed;
    }
    progress.questions = static_cast<int>(filled.size());
    for (const auto& [question, done] : filled) progress.answered += done ? 1 : 0;
    return progress;
}

SheetProgress sheetProgress(const Page& page, AnswerStyle style) { return progressOf(page, answerFields(page, style)); }

SheetProgress SheetProgressCounter::count(const Page& page, AnswerStyle style) {
    if (page.generation() != generation_ || style != style_) {
        fields_ = answerFields(page, style);
        generation_ = page.generation();
        style_ = style;
    }
    return progressOf(page, fields_);
}

std::string progressText(const SheetProgress& progress) {
    return "已做" + std::to_string(progress.answered) + "/" + std::to_string(progress.questions);
}

}  // namespace tally
