// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/worksheet_print.h"

#include "topics/catalogue.h"
#include "app/form1.h"
#include "daily/today_practice.h"
#include "sheets/redrill_sheet.h"
#include "sheets/worksheet.h"

namespace tally {
namespace {

// Finds the tab whose tree holds `key` and leaves it clicked.
bool openTabHolding(Form1& form, const std::string& key) {
    for (const Tab& tab : tabs()) {
        form.clickTab(tab.caption);
        if (form.tree().find(key)) return true;
    }
    return false;
}

// The selected topic's caption, after its section's where the caption alone
// says too little on paper ("规律运算·最难", but "100以内加法" under 加法).
std::string sheetTitle(const Form1& form) {
    const TopicNode* selected = form.selectedNode();
    if (!selected) return "";
    // A lesson's caption is its own title.
    if (form.gradingKey() != selected->key) return selected->caption;
    const TopicNode* section = form.tree().find(selected->parent);
    if (!section || selected->caption.find(section->caption) != std::string::npos) return selected->caption;
    return section->caption + "·" + selected->caption;
}

}  // namespace

std::optional<AnswerStyle> answerStyleOf(const Form1& form, const std::string& gradingKey) {
    const TopicFamily* family = form.familyTable().markerOf(gradingKey);
    return family ? family->answerStyle(gradingKey) : std::nullopt;
}

std::string worksheetTitle(const Form1& form) {
    if (form.redrillOnPage()) return kRedrillCaption;
    if (form.practiceOnPage()) return kPracticeCaption;
    return sheetTitle(form);
}

std::string worksheetOnScreen(Form1& form, const std::string& childName, WorksheetKey key,
                              const std::string& paperCode) {
    const std::string body = form.page().bodyHtml();
    const std::string name = !childName.empty() ? childName : form.child() ? form.child()->name : "";
    const auto style = form.redrillOnPage() || form.practiceOnPage() ? std::optional(AnswerStyle::Mixed)
                                                                     : answerStyleOf(form, form.gradingKey());
    if (!style) return "";
    return worksheetDocument(*style, worksheetTitle(form), body, name, key, paperCode).value_or("");
}

PrintableWorksheet worksheetToPrint(Form1& form, const std::string& paperCode) {
    if (form.loginIsAdvanced()) return {worksheetOnScreen(form, "", WorksheetKey::Printed, paperCode), "打印练习卷和答案"};
    return {worksheetOnScreen(form, "", WorksheetKey::Withheld, paperCode), "打印练习卷"};
}

WorksheetRequest worksheetForTopic(Form1& form, const std::string& key, const std::string& childName) {
    const std::string name = normalName(childName);
    if (!childName.empty()) {
        if (const std::string problem = childNameProblem(name, {}); !problem.empty()) return {"", problem};
    }
    if (!openTabHolding(form, key)) return {"", "找不到题目“" + key + "”。"};
    form.clickNode(key);
    std::string document = worksheetOnScreen(form, name);
    if (document.empty()) {
        const TopicNode* node = form.tree().find(key);
        return {"", "“" + (node ? node->caption : key) + "”没有要填答案的练习题，不能打印练习卷。"};
    }
    return {std::move(document), ""};
}

}  // namespace tally
