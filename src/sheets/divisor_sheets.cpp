// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/divisor_sheets.h"

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "base/content_store.h"
#include "base/text.h"
#include "sheets/gcd.h"
#include "sheets/marking.h"
#include "sheets/sheet.h"

namespace tally {
namespace {

using std::to_string;

// Both numbers of a drill question are drawn as Int(R × span) + base.
struct NumberRange {
    double span;
    int base;
};

struct WordProblem {
    int topic;
    const char* question;
    const char* answer;
};

constexpr WordProblem kWordProblems[] = {
    {7005,
     "有三根铜丝，第一根长24米，第二根长18米，第三根长30米，现在要把它们截成长短一样的小段，"
     "每段最长能是几米？一共可以截成多少段？",
     "24、18、30的最大公约数是6，所以每段最长6米；24÷6＋18÷6＋30÷6＝12（段）。"
     "答：每段最长6米，一共可以截成12段。"},
    {7006,
     "一块长方形场地，长60米，宽36米。要把它分成面积相同的正方形，并使面积最大，而分完后还不能有余地，"
     "正方形的边长最长应是多少米？能分成多少个这样的正方形场地？",
     "60和36的最大公约数是12，所以正方形的边长最长12米；（60÷12）×（36÷12）＝5×3＝15（个）。"
     "答：正方形的边长最长12米，能分成15个这样的正方形场地。"},
};

std::string finishButton() { return std::string(kFinishButton) + "<br><br>"; }

using Acceptance = bool (*)(int, int);

bool sharesADivisor(int a, int b) { return gcd(a, b) != 1; }
bool anyPair(int, int) { return true; }

// A sheet asks each pair of numbers once, in either order.
class PairDraw {
public:
    PairDraw(NumberRange range, Acceptance accepted, int questions)
        : range_(range), accepted_(accepted), available_(countPairs(questions)) {}

    bool exhausted() const { return static_cast<int>(asked_.size()) >= available_; }

    // Two different numbers of the range, both drawn again until they are
    // accepted and new to the sheet. Call only while not exhausted.
    std::pair<int, int> next(FamilyContext& context) {
        while (true) {
            const int a = context.draw(range_.span, range_.base);
            const int b = context.draw(range_.span, range_.base);
            if (a != b && accepted_(a, b) && asked_.insert(std::minmax(a, b)).second) return {a, b};
        }
    }

private:
    NumberRange range_;
    Acceptance accepted_;
    int available_;
    std::set<std::pair<int, int>> asked_;

    // The acceptable pairs of the range, counted up to `cap`: a small range
    // can hold fewer than a sheet asks for, and the sheet then stops early.
    int countPairs(int cap) const {
        const int last = range_.base + static_cast<int>(range_.span) - 1;
        int count = 0;
        for (int a = range_.base; a <= last && count < cap; ++a) {
            for (int b = a + 1; b <= last && count < cap; ++b) count += accepted_(a, b);
        }
        return count;
    }
};

// Greatest common divisors: two different numbers that share a divisor above 1.
std::string divisorDrill(FamilyContext& context, NumberRange range) {
    std::string html;
    PairDraw pairs(range, sharesADivisor, context.options.questionCount);
    for (int i = 1; i <= context.options.questionCount && !pairs.exhausted(); ++i) {
        const auto [a, b] = pairs.next(context);
        html += questionHead(i) + to_string(a) + "和" + to_string(b) + "的最大公约数 = " +
                answerField(i, to_string(gcd(a, b))) + "<br><br>";
    }
    return html + finishButton();
}

// Least common multiples: two different numbers, coprime ones allowed.
std::string multipleDrill(FamilyContext& context, NumberRange range) {
    std::string html;
    PairDraw pairs(range, anyPair, context.options.questionCount);
    for (int i = 1; i <= context.options.questionCount && !pairs.exhausted(); ++i) {
        const auto [a, b] = pairs.next(context);
        const long long lcm = static_cast<long long>(a) * b / gcd(a, b);
        html += questionHead(i) + to_string(a) + "和" + to_string(b) + "的最小公倍数 = " +
                answerField(i, to_string(lcm)) + "<br><br>";
    }
    return html + finishButton();
}

std::string wordProblemPage(int topic) {
    for (const WordProblem& problem : kWordProblems) {
        if (problem.topic == topic) return std::string(problem.question) + kRevealButton + "<br><br>";
    }
    return "";
}

}  // namespace

std::string divisorWordProblemAnswer(int topic) {
    for (const WordProblem& problem : kWordProblems) {
        if (problem.topic == topic) return problem.answer;
    }
    return "";
}

bool DivisorFamily::builds(const TopicTagParts& tag) const {
    if (tag.sigil != "{") return false;
    const int topic = tag.number;
    return topic == 700 || topic == 800 || between(topic, 7001, 7006) || between(topic, 8001, 8004);
}

// The drills of q7001 ... q7004 and q8001 ... q8004, and the word problems
// q7005, q7006; q8005, the worked problems, belong to the reading library.
bool DivisorFamily::marks(const std::string& gradingKey) const {
    const int number = gradingKey.size() > 1 ? leadingNumber(gradingKey.substr(1)) : 0;
    if (gradingKey.starts_with("q7")) return gradingKey.size() >= 4 && number <= 7006;
    return gradingKey.starts_with("q8") && gradingKey.size() == 5 && gradingKey != "q8005";
}

void DivisorFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    const int topic = click.tag.number;
    switch (topic) {
        case 7001: sheet.html += ContentStore::text("Text16"); break;
        case 7002: sheet.html += divisorDrill(context, {49, 2}); break;      // 2..50
        case 7003: sheet.html += divisorDrill(context, {191, 10}); break;    // 10..200
        case 7004: sheet.html += divisorDrill(context, {1000, 1}); break;    // 1..1000
        case 7005:
        case 7006: sheet.html += wordProblemPage(topic); break;
        case 8001: sheet.html += ContentStore::text("Text17"); break;
        case 8002: sheet.html += multipleDrill(context, {11, 2}); break;     // 2..12
        case 8003: sheet.html += multipleDrill(context, {25, 6}); break;     // 6..30
        case 8004: sheet.html += multipleDrill(context, {250, 60}); break;   // 60..309
        default: break;  // the section pages have only their introduction
    }
}

std::optional<MarkedSheet> DivisorFamily::mark(FamilyContext& context, const std::string& gradingKey) {
    if (gradingKey != "q7005" && gradingKey != "q7006") {
        return gradeArithmeticPage(context.page, context.options.questionCount, context.thinkSeconds);
    }
    const std::string answer = divisorWordProblemAnswer(leadingNumber(gradingKey.substr(1)));
    context.page.insertHtmlAfter("finish", "<br><br>" + answer + "<br>思考用时" + std::to_string(context.thinkSeconds) +
                                               "秒！");
    return std::nullopt;
}

std::optional<AnswerStyle> DivisorFamily::answerStyle(const std::string& gradingKey) const {
    if (gradingKey == "q7005" || gradingKey == "q7006") return std::nullopt;
    return AnswerStyle::Exact;
}

TopicSections DivisorFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T9") return {};
    return {{{
        {"q700", "求最大公约数", "{700", ""},
        {"q7001", "基本概念", "{7001", "q700"},
        {"q7002", "简单", "{7002", "q700"},
        {"q7003", "中等", "{7003", "q700"},
        {"q7004", "较难", "{7004", "q700"},
        {"q7005", "截铜丝", "{7005", "q700"},
        {"q7006", "分场地", "{7006", "q700"},
        {"q800", "求最小公倍数", "{800", ""},
        {"q8001", "基本概念", "{8001", "q800"},
        {"q8002", "简单", "{8002", "q800"},
        {"q8003", "中等", "{8003", "q800"},
        {"q8004", "较难", "{8004", "q800"},
    }}};
}

}  // namespace tally
