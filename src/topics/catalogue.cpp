// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/catalogue.h"

#include <algorithm>
#include <iterator>
#include <map>

namespace tally {
namespace {

// A data directory with nothing in it: the tabs built from it hold only the
// fixed nodes.
class NoFiles : public DataDirectory {
public:
    bool exists(const std::string&) const override { return false; }
    std::optional<std::vector<std::string>> list(const std::string&) const override { return std::nullopt; }
    std::optional<std::string> read(const std::string&) const override { return std::nullopt; }
    bool replace(const std::string&, const std::string&) override { return false; }
};

void append(std::vector<TopicRow>& rows, std::vector<TopicRow>::iterator at, std::vector<TopicRow>& added) {
    rows.insert(at, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
}

// The rows of a tab in the order the tree shows them: the sections in the
// families' order, then each section placed after a node put in behind it.
std::vector<TopicRow> tabRows(const FamilyTable& families, const std::string& tab, const DataDirectory& data) {
    std::vector<TopicRow> rows;
    TopicSections placed;
    for (const TopicFamily* family : families.all()) {
        for (TopicSection& section : family->topics(tab, data)) {
            if (section.after.empty()) append(rows, rows.end(), section.rows);
            else placed.push_back(std::move(section));
        }
    }
    std::map<std::string, size_t> rowsBehind;
    for (TopicSection& section : placed) {
        auto at = std::find_if(rows.begin(), rows.end(), [&](const TopicRow& row) { return row.key == section.after; });
        size_t& behind = rowsBehind[section.after];
        at = at == rows.end() ? at : at + 1 + static_cast<std::ptrdiff_t>(behind);
        behind += section.rows.size();
        append(rows, at, section.rows);
    }
    return rows;
}

TopicNode nodeOf(TopicRow row) {
    TopicNode node{std::move(row.key), std::move(row.caption), std::move(row.tag), std::move(row.parent)};
    if (node.parent.empty() || row.folder) node.image = node.selectedImage = 4;
    return node;
}

}  // namespace

const std::vector<Tab>& tabs() {
    static const std::vector<Tab> table = {
        {"T1", "加减乘除"},   {"T2", "时间转换"},   {"T3", "比较多少"},   {"T4", "规律运算"},
        {"T5", "分数和比例"}, {"T6", "基础概念"},   {"T7", "同步教学"},   {"T8", "四则运算"},
        {"T9", "约数和倍数"}, {"T10", "数学游戏"},  {"T11", "应用题"},    {"T12", "智力题"},
        {"T13", "讲座和故事"}, {"T14", "各年级试卷"}, {"T15", "奥数试卷"}, {"T16", "口算"},
    };
    return table;
}

void buildTab(TreeModel& tree, const FamilyTable& families, const std::string& caption, const DataDirectory& data) {
    tree.clear();
    const auto& all = tabs();
    const auto tab = std::find_if(all.begin(), all.end(), [&](const Tab& known) { return known.caption == caption; });
    if (tab == all.end()) return;
    for (TopicRow& row : tabRows(families, tab->key, data)) {
        const bool root = row.parent.empty();
        const std::string key = row.key;
        if (tree.add(nodeOf(std::move(row))) && root) tree.expand(key);
    }
}

void buildStartupTree(TreeModel& tree, const FamilyTable& families) {
    buildTab(tree, families, tabs().front().caption, NoFiles());
    for (const TopicNode& node : tree.nodes()) {
        if (tree.hasChildren(node.key)) tree.expand(node.key);
    }
    if (!tree.nodes().empty()) tree.select(tree.nodes().front().key);
}

std::optional<TopicNode> findFixedTopic(const FamilyTable& families, const std::string& key) {
    const NoFiles noFiles;
    TreeModel tree;
    for (const Tab& tab : tabs()) {
        buildTab(tree, families, tab.caption, noFiles);
        if (const TopicNode* node = tree.find(key)) return *node;
    }
    return std::nullopt;
}

}  // namespace tally
