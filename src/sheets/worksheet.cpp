// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/worksheet.h"

#include <algorithm>

#include "page/html_page.h"
#include "pictures/picture_paper.h"
#include "sheets/paper_code.h"
#include "sheets/paper_code_svg.h"
#include "sheets/worksheet_parts.h"

namespace tally {
namespace {

std::string tagged(const std::string& tag, const std::string& cssClass, const std::string& inner) {
    return "<" + tag + " class=\"" + cssClass + "\">" + inner + "</" + tag + ">";
}

// The child's name, when known, stands on its line as text.
std::string nameAndDateLine(const std::string& childName) {
    const std::string line = tagged("span", "line", "");
    const std::string name = childName.empty() ? line : tagged("span", "line", escapeHtmlText(childName));
    return tagged("p", "who", "姓名：" + name + "　　日期：" + line);
}

// The sheet's code, read aloud or scanned, at the top corner.
std::string codeCorner(const std::string& paperCode) {
    if (paperCode.empty()) return "";
    return "<div class=\"code\">" + paperCodeSvg(paperCode, 16) + "编号<br><span>" +
           escapeHtmlText(shownPaperCode(paperCode)) + "</span></div>";
}

std::string documentFrame(const std::string& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>" + title +
           "</title><style>" + worksheetStyle() + "</style></head>\n<body>\n" + body + "\n</body></html>\n";
}

struct FilledSheet {
    std::vector<FieldAnswer> answers;
    std::unique_ptr<HtmlNode> root;
};

FilledSheet filledSheet(const std::string& bodyHtml, AnswerStyle style, WorksheetPart part) {
    FilledSheet sheet{{}, cleanSheet(bodyHtml)};
    drawPicturesForPaper(*sheet.root, part == WorksheetPart::Key ? PictureView::key : PictureView::worksheet);
    sheet.answers = fillFields(*sheet.root, style, part);
    return sheet;
}

}  // namespace

std::vector<FieldAnswer> worksheetAnswers(AnswerStyle style, const std::string& bodyHtml) {
    return filledSheet(bodyHtml, style, WorksheetPart::Key).answers;
}

std::vector<WorksheetQuestion> worksheetQuestions(AnswerStyle style, const std::string& bodyHtml, WorksheetKey key) {
    FilledSheet sheet = filledSheet(bodyHtml, style, key == WorksheetKey::Printed ? WorksheetPart::Key : WorksheetPart::Questions);
    std::vector<WorksheetQuestion> questions;
    std::size_t next = 0;
    for (QuestionBlock& block : questionsOnly(*sheet.root)) {
        const std::size_t end = std::min(next + block.fields, sheet.answers.size());
        questions.push_back({std::move(block.html), {sheet.answers.begin() + static_cast<std::ptrdiff_t>(next),
                                                     sheet.answers.begin() + static_cast<std::ptrdiff_t>(end)}});
        next = end;
    }
    return questions;
}

std::optional<std::string> worksheetDocument(AnswerStyle style, const std::string& title,
                                             const std::string& bodyHtml, const std::string& childName,
                                             WorksheetKey key, const std::string& paperCode) {
    FilledSheet questions = filledSheet(bodyHtml, style, WorksheetPart::Questions);
    if (questions.answers.empty()) return std::nullopt;

    const std::string heading = escapeHtmlText(title.empty() ? std::string("练习") : title);
    const bool twoColumns = fitsTwoColumns(*questions.root);
    const std::string corner = codeCorner(paperCode);
    const std::string sheetPart = corner + tagged("h1", "title", heading) + nameAndDateLine(childName) +
                                  questionBlocks(*questions.root, twoColumns);
    std::string sections = tagged("section", "sheet", sheetPart);
    if (key == WorksheetKey::Printed) {
        FilledSheet filled = filledSheet(bodyHtml, style, WorksheetPart::Key);
        sections += "\n" + tagged("section", "key", corner + tagged("h1", "title", "答案") + tagged("p", "subtitle", heading) +
                                                           questionBlocks(*filled.root, twoColumns));
    }
    return documentFrame(heading, sections);
}

}  // namespace tally
