// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/catalogue.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

#include "shell/catalogue_rows.h"
#include "shell/gbk.h"
#include "shell/text.h"

namespace tally {
namespace {

using namespace catalogue_rows;

// Section roots and folder nodes show the folder picture in both states.
const std::set<std::string>& folderKeys() {
    static const std::set<std::string> keys = {"q51", "q59", "q52", "q100", "q300", "q400"};
    return keys;
}

class Builder {
public:
    explicit Builder(TreeModel& tree) : tree_(tree) {}

    void add(const std::string& key, const std::string& caption, const std::string& tag,
             const std::string& parent) {
        TopicNode node{key, caption, tag, parent};
        if (parent.empty() || folderKeys().count(key)) node.image = node.selectedImage = 4;
        tree_.add(std::move(node));
    }
    void add(const Row& row) { add(row.key, row.caption, row.tag, row.parent); }
    template <size_t N>
    void addAll(const std::array<Row, N>& rows) {
        for (const Row& row : rows) add(row);
    }
    void expand(const std::string& key) { tree_.expand(key); }

private:
    TreeModel& tree_;
};

void buildArithmetic(Builder& b) {
    b.addAll(kAddition);
    b.expand("q1");
    b.addAll(kSubtraction);
    b.expand("q2");
    b.addAll(kMultiplication);
    b.expand("q3");
    b.addAll(kDivision);
    b.expand("q4");
    b.addAll(kLevelGame);
    b.expand("q5111");
}

template <size_t N>
void buildSingleRoot(Builder& b, const std::array<Row, N>& rows) {
    b.addAll(rows);
    b.expand(rows[0].key);
}

// A caption is one line of the tree: no line breaks, no tabs.
std::string oneLineCaption(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
    return text;
}

// Keys hold three digits for a line or a page, so at most 999 of them.
constexpr size_t kMaxNumbered = 999;

std::string threeDigits(size_t number) {
    char text[8];
    std::snprintf(text, sizeof text, "%03zu", number);
    return text;
}

// Lesson titles of one grade: line i of the file becomes child i + 1. Lines
// end in CR LF, or in LF alone when an ordinary editor saved the file.
void addLessons(Builder& b, const std::string& gradeKey, int grade, const DataDirectory& data) {
    auto bytes = data.read(std::to_string(grade) + ".txt");
    if (!bytes) return;
    std::vector<std::string> lines = splitLines(gbkToUtf8(*bytes));
    const std::string tagStem = "{" + gradeKey.substr(1);
    for (size_t i = 0; i < lines.size() && i < kMaxNumbered; ++i) {
        if (lines[i].empty()) continue;
        const std::string number = threeDigits(i + 1);
        b.add(gradeKey + number, oneLineCaption(lines[i]), tagStem + number, gradeKey);
    }
}

void buildLessons(Builder& b, const DataDirectory& data) {
    b.add("q5333", "同步教学", "{5333", "");
    for (int grade = 1; grade <= 6; ++grade) {
        const std::string key = "q53330" + std::to_string(grade + 1);
        b.add(key, "小学" + std::to_string(grade) + "年级", "{" + key.substr(1), "q5333");
        addLessons(b, key, grade, data);
    }
    b.addAll(kSummaries);
    b.expand("q5222");
    b.expand("q5333");
}

bool isPageName(const std::string& name) {
    const std::string extension = ".htm";
    if (name.size() <= extension.size()) return false;
    return std::equal(extension.begin(), extension.end(), name.end() - extension.size(), [](char a, char b) {
        return a == std::tolower(static_cast<unsigned char>(b));
    });
}

// Pages of a folder, numbered from 1 in name order; the folder's own index
// page is skipped but keeps its number. Past 999 pages the keys would run into
// the next folder's.
void addFolder(Builder& b, const std::string& folder, const std::string& skip, int base,
               const std::string& sigil, const std::string& parent, const DataDirectory& data) {
    auto names = data.list(folder);
    if (!names) return;
    for (size_t i = 1; i <= names->size() && i <= kMaxNumbered; ++i) {
        const std::string& name = (*names)[i - 1];
        if (name == skip || !isPageName(name)) continue;
        const std::string number = std::to_string(base + static_cast<int>(i));
        b.add("q" + number, oneLineCaption(name.substr(0, name.size() - 4)), sigil + number, parent);
    }
}

void buildLectures(Builder& b, const DataDirectory& data) {
    b.addAll(kLectures);
    b.add("q300", "教你思考", "j300", "q666666");
    addFolder(b, "book", "教你思考.htm", 3000, "j", "q300", data);
    b.add("q400", "数学故事", "g400", "q666666");
    addFolder(b, "story", "数学故事.htm", 4000, "g", "q400", data);
    b.expand("q666666");
}

void buildPuzzles(Builder& b) {
    b.addAll(kPuzzles);
    b.expand("q55555");
    for (size_t i = 0; i < kBrainTeasers.size(); ++i) {
        const std::string digits = std::to_string(11 + i);
        b.add("q5" + digits, kBrainTeasers[i], "?" + digits, "q51");
    }
}

void buildWordProblems(Builder& b) {
    b.add(kGeometry[0]);
    b.add(kGeometry[1]);
    b.expand("q5");
    for (size_t i = 2; i < kGeometry.size(); ++i) b.add(kGeometry[i]);
    b.addAll(kWordProblems);
}

void buildPapers(Builder& b) {
    b.add("q200", "考试试卷", "#200", "");
    for (size_t i = 0; i < kExamPapers.size(); ++i) {
        const std::string number = std::to_string(2001 + i);
        b.add("q" + number, kExamPapers[i], "#" + number, "q200");
    }
    for (size_t i = 0; i < kExamAnswers.size(); ++i) {
        const std::string number = std::to_string(2037 + i);
        b.add("q" + number, kExamAnswers[i], "#" + number, "q200");
    }
    b.expand("q200");
}

void buildOlympiad(Builder& b) {
    b.add("q199", "奥数试卷", "#199", "");
    for (int year = 1991; year <= 2003; ++year) {
        const std::string number = std::to_string(2024 + year - 1991);
        b.add("q" + number, std::to_string(year) + "年全国奥数题", "#" + number, "q199");
    }
    for (int year = 1991; year <= 2003; ++year) {
        const std::string number = std::to_string(2060 + year - 1991);
        b.add("q" + number, std::to_string(year) + "年全国奥数答案", "#" + number, "q199");
    }
    b.expand("q199");
}

// A data directory with nothing in it: the tabs built from it hold only the
// fixed nodes.
class NoFiles : public DataDirectory {
public:
    bool exists(const std::string&) const override { return false; }
    std::optional<std::vector<std::string>> list(const std::string&) const override { return std::nullopt; }
    std::optional<std::string> read(const std::string&) const override { return std::nullopt; }
    bool replace(const std::string&, const std::string&) override { return false; }
};

std::map<std::string, TopicNode> fixedNodesByKey() {
    std::map<std::string, TopicNode> nodes;
    NoFiles noFiles;
    TreeModel tree;
    for (const Tab& tab : tabs()) {
        buildTab(tree, tab.caption, noFiles);
        for (const TopicNode& node : tree.nodes()) nodes.emplace(node.key, node);
    }
    return nodes;
}

}  // namespace

const std::vector<Tab>& tabs() {
    static const std::vector<Tab> table = {
        {"T1", "加减乘除"},   {"T2", "时间转换"},   {"T3", "比较多少"},   {"T4", "规律运算"},
        {"T5", "分数和比例"}, {"T6", "基础概念"},   {"T7", "同步教学"},   {"T8", "四则运算"},
        {"T9", "约数和倍数"}, {"T10", "数学游戏"},  {"T11", "应用题"},    {"T12", "智力题"},
        {"T13", "讲座和故事"}, {"T14", "各年级试卷"}, {"T15", "奥数试卷"},
    };
    return table;
}

void buildTab(TreeModel& tree, const std::string& caption, const DataDirectory& data) {
    tree.clear();
    Builder b(tree);
    if (caption == "加减乘除") buildArithmetic(b);
    else if (caption == "时间转换") buildSingleRoot(b, kTime);
    else if (caption == "比较多少") buildSingleRoot(b, kCompare);
    else if (caption == "规律运算") buildSingleRoot(b, kPattern);
    else if (caption == "分数和比例") buildSingleRoot(b, kFractions);
    else if (caption == "基础概念") buildSingleRoot(b, kConcepts);
    else if (caption == "同步教学") buildLessons(b, data);
    else if (caption == "四则运算") buildSingleRoot(b, kFourOperations);
    else if (caption == "约数和倍数") {
        buildSingleRoot(b, kDivisors);
        buildSingleRoot(b, kMultiples);
    } else if (caption == "数学游戏") buildSingleRoot(b, kGames);
    else if (caption == "应用题") buildWordProblems(b);
    else if (caption == "智力题") buildPuzzles(b);
    else if (caption == "讲座和故事") buildLectures(b, data);
    else if (caption == "各年级试卷") buildPapers(b);
    else if (caption == "奥数试卷") buildOlympiad(b);
}

void buildStartupTree(TreeModel& tree) {
    tree.clear();
    Builder b(tree);
    buildArithmetic(b);
    for (const TopicNode& node : tree.nodes()) {
        if (tree.hasChildren(node.key)) b.expand(node.key);
    }
    tree.select("q1");
}

std::optional<TopicNode> findFixedTopic(const std::string& key) {
    static const std::map<std::string, TopicNode> nodes = fixedNodesByKey();
    if (auto it = nodes.find(key); it != nodes.end()) return it->second;
    return std::nullopt;
}

}  // namespace tally
