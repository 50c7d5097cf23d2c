#include "shell/catalogue.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

#include "shell/gbk.h"
#include "shell/text.h"

namespace tally {
namespace {

struct Row {
    const char* key;
    const char* caption;
    const char* tag;
    const char* parent;
};

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

constexpr std::array<Row, 8> kAddition = {{
    {"q1", "加法", "+0", ""},
    {"q11", "10以内加法", "+10", "q1"},
    {"q17", "20以内加法", "+20", "q1"},
    {"q12", "50以内加法", "+50", "q1"},
    {"q13", "100以内加法", "+100", "q1"},
    {"q14", "500以内加法", "+500", "q1"},
    {"q15", "1000以内加法", "+1000", "q1"},
    {"q16", "5000以内加法", "+5000", "q1"},
}};
constexpr std::array<Row, 8> kSubtraction = {{
    {"q2", "减法", "-0", ""},
    {"q21", "10以内减法", "-10", "q2"},
    {"q27", "20以内减法", "-20", "q2"},
    {"q22", "50以内减法", "-50", "q2"},
    {"q23", "100以内减法", "-100", "q2"},
    {"q24", "500以内减法", "-500", "q2"},
    {"q25", "1000以内减法", "-1000", "q2"},
    {"q26", "5000以内减法", "-5000", "q2"},
}};
constexpr std::array<Row, 10> kMultiplication = {{
    {"q3", "乘法", "×0", ""},
    {"q31", "一位数乘法", "×81", "q3"},
    {"q32", "100内两位数乘一位数", "×100", "q3"},
    {"q38", "250内两位数乘一位数", "×250", "q3"},
    {"q39", "250内两位数乘两位数", "×251", "q3"},
    {"q33", "500内两位数乘一位数", "×500", "q3"},
    {"q37", "500内两位数乘两位数", "×501", "q3"},
    {"q34", "1000以内乘法", "×1000", "q3"},
    {"q35", "5000以内乘法", "×5000", "q3"},
    {"q36", "10000以内乘法", "×10000", "q3"},
}};
constexpr std::array<Row, 7> kDivision = {{
    {"q4", "除法", "÷0", ""},
    {"q41", "81以内能整除除法", "÷81", "q4"},
    {"q42", "100以内能整除除法", "÷100", "q4"},
    {"q43", "500以内能整除除法", "÷500", "q4"},
    {"q44", "1000以内能整除除法", "÷1000", "q4"},
    {"q45", "5000以内能整除除法", "÷5000", "q4"},
    {"q46", "10000以能整除内除法", "÷10000", "q4"},
}};
// The tree shown at start names the division topics more briefly.
constexpr std::array<Row, 7> kDivisionAtStart = {{
    {"q4", "除法", "÷0", ""},
    {"q41", "81以内除法", "÷81", "q4"},
    {"q42", "100以内除法", "÷100", "q4"},
    {"q43", "500以内除法", "÷500", "q4"},
    {"q44", "1000以内除法", "÷1000", "q4"},
    {"q45", "5000以内除法", "÷5000", "q4"},
    {"q46", "10000以内除法", "÷10000", "q4"},
}};
constexpr std::array<Row, 5> kLevelGame = {{
    {"q5111", "算术过关游戏", "{5111", ""},
    {"q511102", "加法", "{511102", "q5111"},
    {"q511103", "减法", "{511103", "q5111"},
    {"q511104", "乘法", "{511104", "q5111"},
    {"q511105", "除法", "{511105", "q5111"},
}};
constexpr std::array<Row, 9> kTime = {{
    {"q7", "时间转换", "$7", ""},
    {"q77", "认识钟表和时间", "$77", "q7"},
    {"q71", "时转分（简单）", "$71", "q7"},
    {"q72", "时转分（较难）", "$72", "q7"},
    {"q73", "时转秒（简单）", "$73", "q7"},
    {"q74", "时转秒（较难）", "$74", "q7"},
    {"q75", "分转时（简单）", "$75", "q7"},
    {"q76", "分转时（较难）", "$76", "q7"},
    {"q78", "各个年纪的时间难题", "$78", "q7"},
}};
constexpr std::array<Row, 5> kCompare = {{
    {"q8", "比较多少", "&8", ""},
    {"q81", "多多少（简单）", "&81", "q8"},
    {"q83", "多多少（较难）", "&83", "q8"},
    {"q82", "少多少（简单）", "&82", "q8"},
    {"q84", "少多少（较难）", "&84", "q8"},
}};
constexpr std::array<Row, 6> kPattern = {{
    {"q9", "规律运算", "*9", ""},
    {"q91", "最简单", "*91", "q9"},
    {"q92", "简单", "*92", "q9"},
    {"q93", "中等", "*93", "q9"},
    {"q94", "较难", "*94", "q9"},
    {"q95", "最难", "*95", "q9"},
}};
constexpr std::array<Row, 13> kFractions = {{
    {"q500", "分数", "{500", ""},
    {"q5002", "简单分子为1分数加法", "{5002", "q500"},
    {"q5003", "中等分子为1分数加法", "{5003", "q500"},
    {"q5004", "较难分子为1分数加法", "{5004", "q500"},
    {"q5005", "简单分子为1分数减法", "{5005", "q500"},
    {"q5006", "中等分子为1分数减法", "{5006", "q500"},
    {"q5007", "较难分子为1分数减法", "{5007", "q500"},
    {"q5008", "简单分子任意分数加法", "{5008", "q500"},
    {"q5009", "中等分子任意分数加法", "{5009", "q500"},
    {"q5010", "较难分子任意分数加法", "{5010", "q500"},
    {"q5011", "简单分子任意分数减法", "{5011", "q500"},
    {"q5012", "中等分子任意分数减法", "{5012", "q500"},
    {"q5013", "较难分子任意分数减法", "{5013", "q500"},
}};
constexpr std::array<Row, 12> kConcepts = {{
    {"q600", "基础知识", "{600", ""},
    {"q6002", "整数", "{6002", "q600"},
    {"q6003", "小数", "{6003", "q600"},
    {"q6004", "分数", "{6004", "q600"},
    {"q6005", "比例", "{6005", "q600"},
    {"q6006", "几何", "{6006", "q600"},
    {"q6009", "几何图形", "{6009", "q600"},
    {"q6007", "小学英语一年级", "{6007", "q600"},
    {"q6008", "小学英语牛津版一年级第一学期单词", "{6008", "q600"},
    {"q6010", "小学英语牛津版一年级第二学期单词", "{6010", "q600"},
    {"q6011", "小学英语PEP版三年级第一学期单词", "{6011", "q600"},
    {"q6012", "小学英语PEP版三年级第二学期单词", "{6012", "q600"},
}};
constexpr std::array<Row, 13> kSummaries = {{
    {"q5222", "小学各年纪知识点总结", "{5222", ""},
    {"q522202", "小学1年纪上", "{522202", "q5222"},
    {"q522203", "小学1年纪下", "{522203", "q5222"},
    {"q522204", "小学2年纪上", "{522204", "q5222"},
    {"q522205", "小学2年纪下", "{522205", "q5222"},
    {"q522206", "小学3年纪上", "{522206", "q5222"},
    {"q522207", "小学3年纪下", "{522207", "q5222"},
    {"q522208", "小学4年纪上", "{522208", "q5222"},
    {"q522209", "小学4年纪下", "{522209", "q5222"},
    {"q522210", "小学5年纪上", "{522210", "q5222"},
    {"q522211", "小学5年纪下", "{522211", "q5222"},
    {"q522212", "小学6年纪上", "{522212", "q5222"},
    {"q522213", "小学6年纪下", "{522213", "q5222"},
}};
constexpr std::array<Row, 10> kFourOperations = {{
    {"q900", "四则运算", "{900", ""},
    {"q9002", "加减乘简单", "{9002", "q900"},
    {"q9003", "加减乘中等", "{9003", "q900"},
    {"q9004", "加减乘较难", "{9004", "q900"},
    {"q9005", "加减乘除简单", "{9005", "q900"},
    {"q9006", "加减乘除中等", "{9006", "q900"},
    {"q9007", "加减乘除较难", "{9007", "q900"},
    {"q9008", "结果小数的加减乘除简单", "{9008", "q900"},
    {"q9009", "结果小数的加减乘除中等", "{9009", "q900"},
    {"q9001", "结果小数的加减乘除较难", "{9001", "q900"},
}};
constexpr std::array<Row, 7> kDivisors = {{
    {"q700", "求最大公约数", "{700", ""},
    {"q7001", "基本概念", "{7001", "q700"},
    {"q7002", "简单", "{7002", "q700"},
    {"q7003", "中等", "{7003", "q700"},
    {"q7004", "较难", "{7004", "q700"},
    {"q7005", "截铜丝", "{7005", "q700"},
    {"q7006", "分场地", "{7006", "q700"},
}};
constexpr std::array<Row, 6> kMultiples = {{
    {"q800", "求最小公倍数", "{800", ""},
    {"q8001", "基本概念", "{8001", "q800"},
    {"q8002", "简单", "{8002", "q800"},
    {"q8003", "中等", "{8003", "q800"},
    {"q8004", "较难", "{8004", "q800"},
    {"q8005", "应用题", "{8005", "q800"},
}};
constexpr std::array<Row, 21> kGames = {{
    {"q6", "数学游戏", "!6", ""},
    {"q61", "拍24点", "!61", "q6"},
    {"q62", "训练记忆", "!62", "q6"},
    {"q63", "找数字求和", "!63", "q6"},
    {"q64", "智力跳棋", "!64", "q6"},
    {"q65", "测试心算能力", "!65", "q6"},
    {"q66", "测试点击速度", "!66", "q6"},
    {"q67", "填方格", "!67", "q6"},
    {"q68", "测试打字速度", "!68", "q6"},
    {"q69", "猜数的大小", "!69", "q6"},
    {"q601", "四面撞击游戏", "!601", "q6"},
    {"q602", "测试反应能力", "!602", "q6"},
    {"q603", "撞击游戏", "!603", "q6"},
    {"q604", "魔法实验室", "!604", "q6"},
    {"q606", "冰球大赛", "!606", "q6"},
    {"q607", "洞中探险", "!607", "q6"},
    {"q608", "搞笑蹦蹦床", "!608", "q6"},
    {"q609", "狗狗VS肉骨头", "!609", "q6"},
    {"q610", "过山小车", "!610", "q6"},
    {"q611", "海底探宝", "!611", "q6"},
    {"q612", "数形状", "!612", "q6"},
}};
constexpr std::array<Row, 10> kGeometry = {{
    {"q5", "应用题", "?0", ""},
    {"q58", "几何题", "?3", "q5"},
    {"q5801", "求正方形面积", "?801", "q58"},
    {"q5802", "做红旗", "?802", "q58"},
    {"q5803", "求长方形周长", "?803", "q58"},
    {"q5804", "用铁丝围正方形", "?804", "q58"},
    {"q5805", "长方形变正方形", "?805", "q58"},
    {"q5806", "长方形的长和宽", "?806", "q58"},
    {"q5807", "求阴影面积", "?807", "q58"},
    {"q5808", "正方形里最大的圆", "?808", "q58"},
}};
constexpr std::array<Row, 3> kWordProblems = {{
    {"q57", "应用题-简单", "?7", "q5"},
    {"q56", "应用题-中等", "?6", "q5"},
    {"q55", "应用题-较难", "?9", "q5"},
}};
constexpr std::array<Row, 4> kPuzzles = {{
    {"q55555", "智力题", "?55555", ""},
    {"q51", "脑力体操", "?1", "q55555"},
    {"q59", "智力体操", "?5", "q55555"},
    {"q52", "标准智力测试题", "?2", "q55555"},
}};
constexpr std::array<const char*, 68> kBrainTeasers = {
    "猫捉老鼠", "猎人的小屋", "金山寺大钟", "猫狗赛跑", "煎饼", "上楼梯", "网球", "汽水瓶",
    "称水", "半个小时", "最后一分钟", "蜘蛛的速度", "车队的分割", "卖西瓜", "50枚银元",
    "握手的人数", "猜帽子", "破密码", "猜扑克", "调饮料", "十堆味精", "剪布料", "666",
    "卖鸡蛋", "毛毛虫爬树", "骑车人和苍蝇", "旅行者和狗", "渡过海洋的航行", "求一个数",
    "战士过河", "轮船让路", "分饼干", "车票上算100", "多少镜子", "扔皮球", "剪绳子", "摸东西",
    "男孩是谁", "摸袜子", "摸手套", "打电话", "剪纸条", "修铁路", "牛吃草", "圣诞节礼物",
    "跳机", "打灯泡", "罚款", "求和", "刻字的价格", "唱针移动了多长", "多少人要迟到", "办事",
    "生日是几号", "混合液体", "火车过大桥", "正方形土地", "种多少棵树", "插多少面旗", "掉鸡蛋",
    "爸爸今年多少岁", "小敏比小琴多跳几下", "分针和时针的夹角", "分针转动的角度", "前进的距离",
    "分桃", "每隔几分钟开出一辆车", "追草帽"};
constexpr std::array<Row, 10> kLectures = {{
    {"q666666", "讲座和故事", "#666666", ""},
    {"q100", "数学讲座", "#100", "q666666"},
    {"q1001", "添运算符号", "#1001", "q100"},
    {"q1002", "数列中的规律", "#1002", "q100"},
    {"q1003", "等差数列的认识", "#1003", "q100"},
    {"q1004", "等差数列的应用", "#1004", "q100"},
    {"q1005", "特殊数列的计算", "#1005", "q100"},
    {"q1006", "速算方法（一）", "#1006", "q100"},
    {"q1007", "速算方法（二）", "#1007", "q100"},
    {"q1008", "常用速算方法", "#1008", "q100"},
}};
constexpr std::array<const char*, 23> kExamPapers = {
    "1年级1学期期中考试题", "1年级1学期期末考试题", "1年级2学期期中考试题", "1年级2学期期末考试题",
    "2年级1学期期中考试题", "2年级1学期期末考试题", "2年级2学期期中考试题", "2年级2学期期末考试题",
    "3年级1学期期中考试题", "3年级1学期期末考试题", "3年级2学期期中考试题", "3年级2学期期末考试题",
    "4年级1学期期中考试题", "4年级1学期期末考试题", "4年级2学期期中考试题", "4年级2学期期末考试题",
    "5年级1学期期中考试题", "5年级1学期期末考试题", "5年级2学期期中考试题", "5年级2学期期末考试题",
    "6年级1学期期中考试题", "6年级1学期期末考试题", "6年级2学期期末考试题"};
constexpr std::array<const char*, 23> kExamAnswers = {
    "1年级1学期期中考答案", "1年级1学期期末考答案", "1年级2学期期中考答案", "1年级2学期期末考答案",
    "2年级1学期期中考答案", "2年级1学期期末考答案", "2年级2学期期中考答案", "2年级2学期期末考答案",
    "3年级1学期期中考答案", "3年级1学期期末考答案", "3年级2学期期中考答案", "3年级2学期期末考答案",
    "4年级1学期期中考答案", "4年级1学期期末考答案", "4年级2学期期中考答案", "4年级2学期期末考答案",
    "5年级1学期期中考答案", "5年级1学期期末考答案", "5年级2学期期中考答案", "5年级2学期期末考答案",
    "6年级1学期期中考答案", "6年级1学期期末考答案", "6年级2学期期末考答案"};

void buildArithmetic(Builder& b, bool atStart) {
    b.addAll(kAddition);
    b.expand("q1");
    b.addAll(kSubtraction);
    b.expand("q2");
    b.addAll(kMultiplication);
    b.expand("q3");
    if (atStart) {
        b.addAll(kDivisionAtStart);
    } else {
        b.addAll(kDivision);
    }
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
        b.add(key, "小学" + std::to_string(grade) + "年纪", "{" + key.substr(1), "q5333");
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
        {"T13", "讲座和故事"}, {"T14", "各年纪试卷"}, {"T15", "奥数试卷"},
    };
    return table;
}

void buildTab(TreeModel& tree, const std::string& caption, const DataDirectory& data) {
    tree.clear();
    Builder b(tree);
    if (caption == "加减乘除") buildArithmetic(b, false);
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
    else if (caption == "各年纪试卷") buildPapers(b);
    else if (caption == "奥数试卷") buildOlympiad(b);
}

void buildStartupTree(TreeModel& tree) {
    tree.clear();
    Builder b(tree);
    buildArithmetic(b, true);
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
