// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/library_lists.h"

#include "library/knowledge_items.h"
#include "page/html_page.h"
#include "base/text.h"

namespace tally {

void growList(FamilyContext& context, const TopicClick& click, const std::string& tagStem,
              const std::vector<ChildNode>& children) {
    const std::string& parentKey = click.key;
    if (parentKey.empty() || context.tree.hasChildren(parentKey)) return;
    for (const ChildNode& child : children) {
        const std::string number = childNumber(child.position);
        context.tree.add({parentKey + number, child.caption, tagStem + number, parentKey});
    }
    if (!children.empty()) {
        context.tree.expand(parentKey);
        context.window.treeChanged();
    }
}

std::string listPage(const std::string& caption, bool hasChildren, const std::string& howTo) {
    return "<h1>" + caption + "</h1><h2>" + (hasChildren ? howTo : "这里还没有内容，请过些日子再来看看。") + "</h2>";
}

std::string introPage(const FamilyContext& context, const std::string& caption, const std::string& textName) {
    std::string html = "<h1>" + caption + "</h1>";
    for (const std::string& line : splitLines(context.texts.text(textName))) {
        if (!line.empty()) html += "<p>" + line + "</p>";
    }
    return html;
}

std::string preparingPage(const std::string& caption, const std::string& what, const std::string& more) {
    return "<h1>" + escapeHtmlText(caption) + "</h1><p>" + what + "还在准备中，过些日子就能读到了。</p>" +
           (more.empty() ? "" : "<p>" + more + "</p>");
}

}  // namespace tally
