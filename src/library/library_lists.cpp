#include "library/library_lists.h"

#include "library/knowledge_items.h"
#include "shell/form1.h"
#include "shell/gbk.h"

namespace tally {

void growList(Form1& form, LoadedList list, const std::string& tagStem, const std::vector<ChildNode>& children) {
    bool& loaded = form.loadedMarkers.at(static_cast<std::size_t>(list));
    const std::string parentKey = form.selectedKey();
    if (loaded || parentKey.empty()) return;
    loaded = true;
    for (const ChildNode& child : children) {
        const std::string number = childNumber(child.position);
        form.tree.add({parentKey + number, child.caption, tagStem + number, parentKey});
    }
    if (!children.empty()) {
        form.tree.expand(parentKey);
        form.ui().treeChanged();
    }
}

std::string listPage(const std::string& caption, bool hasChildren, const std::string& howTo) {
    return "<h1>" + caption + "</h1><h2>" + (hasChildren ? howTo : "这里还没有内容，请过些日子再来看看。") + "</h2>";
}

std::string introPage(const Form1& form, const std::string& caption, const std::string& textName) {
    std::string html = "<h1>" + caption + "</h1>";
    for (const std::string& line : splitLines(form.library.text(textName))) {
        if (!line.empty()) html += "<p>" + line + "</p>";
    }
    return html;
}

std::string selectedCaption(const Form1& form) {
    const TopicNode* node = form.selectedNode();
    return node ? node->caption : std::string();
}

}  // namespace tally
