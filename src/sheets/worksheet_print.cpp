#include "sheets/worksheet_print.h"

#include "shell/catalogue.h"
#include "shell/form1.h"
#include "sheets/worksheet.h"

namespace tally {
namespace {

// Finds the tab whose tree holds `key` and leaves it clicked.
bool openTabHolding(Form1& form, const std::string& key) {
    for (const Tab& tab : tabs()) {
        form.clickTab(tab.caption);
        if (form.tree.find(key)) return true;
    }
    return false;
}

}  // namespace

std::string worksheetOnScreen(Form1& form) {
    const TopicNode* selected = form.selectedNode();
    const auto document =
        worksheetDocument(form.gradingKey(), selected ? selected->caption : "", form.page().bodyHtml());
    return document.value_or("");
}

WorksheetRequest worksheetForTopic(Form1& form, const std::string& key) {
    if (!openTabHolding(form, key)) return {"", "找不到题目“" + key + "”。"};
    form.clickNode(key);
    std::string document = worksheetOnScreen(form);
    if (document.empty()) {
        const TopicNode* node = form.tree.find(key);
        return {"", "“" + (node ? node->caption : key) + "”没有要填答案的练习题，不能打印练习卷。"};
    }
    return {std::move(document), ""};
}

}  // namespace tally
