// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_steps.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <utility>

#include "base/seeded_random.h"
#include "page/html_page.h"
#include "skills/steps_html.h"
#include "skills/skill_sheet.h"

// Every step's arithmetic is worked again here: the equations a line writes
// by a small evaluator of its own, the carries and borrows column by column
// from the digits, the tried quotients from the divisor's whole ten.
namespace tally {
namespace {

struct Ratio {
    long long up = 0;
    long long down = 1;
};

long long commonFactor(long long a, long long b) {
    while (b != 0) a = std::exchange(b, a % b);
    return a < 0 ? -a : a;
}

Ratio ratio(long long up, long long down) {
    const long long g = commonFactor(up, down);
    return g == 0 ? Ratio{} : Ratio{up / g, down / g};
}

bool same(Ratio a, Ratio b) { return a.up * b.down == b.up * a.down; }

// ＋－×÷ and / on whole numbers, × ÷ / before ＋ －, （） first.
class Evaluator {
public:
    explicit Evaluator(std::string text) : text_(std::move(text)) {}
    std::optional<Ratio> value() {
        const Ratio v = sum();
        return at_ == text_.size() && ok_ ? std::optional(v) : std::nullopt;
    }

private:
    std::string text_;
    std::size_t at_ = 0;
    bool ok_ = true;

    bool take(const char* sign) {
        if (text_.compare(at_, std::strlen(sign), sign) != 0) return false;
        at_ += std::strlen(sign);
        return true;
    }
    Ratio sum() {
        Ratio v = product();
        for (;;) {
            if (take("＋")) { const Ratio w = product(); v = ratio(v.up * w.down + w.up * v.down, v.down * w.down); }
            else if (take("－")) { const Ratio w = product(); v = ratio(v.up * w.down - w.up * v.down, v.down * w.down); }
            else return v;
        }
    }
    Ratio product() {
        Ratio v = factor();
        for (;;) {
            if (take("×")) { const Ratio w = factor(); v = ratio(v.up * w.up, v.down * w.down); }
            else if (take("÷") || take("/")) { const Ratio w = factor(); ok_ = ok_ && w.up != 0; v = ratio(v.up * w.down, v.down * w.up); }
            else return v;
        }
    }
    Ratio factor() {
        if (take("（")) {
            const Ratio v = sum();
            ok_ = ok_ && take("）");
            return v;
        }
        const std::size_t from = at_;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) ++at_;
        ok_ = ok_ && at_ > from;
        return at_ > from ? Ratio{std::stoll(text_.substr(from, at_ - from)), 1} : Ratio{};
    }
};

Ratio evaluate(const std::string& text) {
    const auto v = Evaluator(text).value();
    EXPECT_TRUE(v) << text;
    return v.value_or(Ratio{});
}

// Every "expression＝expression" a line writes holds (a remainder's line is
// checked by its numbers).
void expectEquationsHold(const StepLine& line) {
    static const std::regex kEquation("((?:[0-9/]|＋|－|×|÷|（|）)+)＝((?:[0-9/]|＋|－|×|÷|（|）)+)");
    if (line.text.find("……") != std::string::npos) return;
    for (std::sregex_iterator it(line.text.begin(), line.text.end(), kEquation), end; it != end; ++it) {
        EXPECT_TRUE(same(evaluate((*it)[1]), evaluate((*it)[2]))) << line.text;
    }
}

long long digit(long long n, int place) { return std::to_string(n).size() > static_cast<std::size_t>(place) ? std::to_string(n).rbegin()[place] - '0' : 0; }

// The carries of a + b into each place, and the places a − b borrows from.
std::map<int, std::string> carriesOf(long long a, long long b) {
    std::map<int, std::string> carries;
    for (int place = 0, carry = 0; place < 12; ++place) {
        carry = (digit(a, place) + digit(b, place) + carry) >= 10;
        if (carry) carries[place + 1] = "1";
    }
    return carries;
}

std::map<int, std::string> borrowsOf(long long a, long long b) {
    std::map<int, std::string> lenders;
    for (int place = 0, lent = 0; place < 12; ++place) {
        lent = digit(a, place) - lent < digit(b, place);
        if (lent) lenders[place + 1] = "·";
    }
    return lenders;
}

std::map<int, std::string> timesCarriesOf(long long a, long long d) {
    std::map<int, std::string> carries;
    const int places = static_cast<int>(std::to_string(a).size());
    for (int place = 0, carry = 0; place + 1 < places; ++place) {
        carry = static_cast<int>((digit(a, place) * d + carry) / 10);
        if (carry) carries[place + 1] = std::to_string(carry);
    }
    return carries;
}

void expectColumn(const SkillQuestion& q, const QuestionSteps& steps) {
    const long long a = q.terms[0].numerator, b = q.terms[1].numerator;
    ASSERT_GE(steps.column.size(), 3u);
    const ColumnRow& result = steps.column.back();
    EXPECT_TRUE(result.ruleAbove);
    switch (q.signs[0]) {
        case Sign::plus: EXPECT_EQ(result.number, a + b); EXPECT_EQ(result.marks, carriesOf(a, b)) << q.text; break;
        case Sign::minus: EXPECT_EQ(result.number, a - b); EXPECT_EQ(steps.column[0].marks, borrowsOf(a, b)) << q.text; break;
        default:
            EXPECT_EQ(result.number, a * b);
            if (std::min(a, b) < 10) EXPECT_EQ(result.marks, timesCarriesOf(std::max(a, b), std::min(a, b))) << q.text;
    }
}

void expectTrials(const SkillQuestion& q, const QuestionSteps& steps) {
    const long long dividend = q.terms[0].numerator, divisor = q.terms[1].numerator;
    const long long ten = divisor % 10 < 5 ? divisor / 10 * 10 : divisor / 10 * 10 + 10;
    for (const StepLine& line : steps.lines) {
        const auto& n = line.numbers;
        if (line.text.find("试商") != std::string::npos && n.size() == 3) {
            EXPECT_EQ(n[1], ten);
            EXPECT_EQ(n[2], std::clamp(n[0] / ten, 1LL, 9LL)) << line.text;
        } else if (line.text.find("大了") != std::string::npos) {
            EXPECT_GT(n[0] * n[1], n[3]) << line.text;
        } else if (line.text.find("小了") != std::string::npos) {
            EXPECT_GE(n[3] - n[0] * n[1], divisor) << line.text;
        } else if (line.text.find("合适") != std::string::npos) {
            EXPECT_LT(n[4], divisor);
            EXPECT_GE(n[4], 0);
        }
    }
    const auto& last = steps.lines.back().numbers;
    ASSERT_EQ(last.size(), 4u);
    EXPECT_EQ(last[2] * divisor + last[3], dividend);
    EXPECT_EQ(last[2], dividend / divisor);
    EXPECT_EQ(last[2], q.result.numerator);
}

void expectEveryLineTheWhole(const SkillQuestion& q, const QuestionSteps& steps) {
    EXPECT_EQ(steps.lines.size(), q.terms.size());  // the question, then one operation a line
    for (const StepLine& line : steps.lines) {
        const std::string expression = line.text.starts_with("＝") ? line.text.substr(3) : line.text;
        EXPECT_TRUE(same(evaluate(expression), {q.result.numerator, q.result.denominator})) << line.text;
    }
}

void expectReduced(const QuestionSteps& steps) {
    for (const StepLine& line : steps.lines) {
        if (line.numbers.size() != 5) continue;
        const auto& n = line.numbers;  // numerator, denominator, factor, new numerator, new denominator
        EXPECT_EQ(n[0] % n[2], 0) << line.text;
        EXPECT_EQ(n[1] % n[2], 0) << line.text;
        EXPECT_EQ(n[3] * n[2], n[0]);
        EXPECT_EQ(n[4] * n[2], n[1]);
    }
    const auto& lowest = steps.lines[steps.lines[0].numbers.size() == 4 ? 2 : 1].numbers;
    EXPECT_EQ(commonFactor(lowest[3], lowest[4]), 1);
}

void expectTenFrame(const SkillQuestion& q, const QuestionSteps& steps) {
    const long long a = q.terms[0].numerator, b = q.terms[1].numerator;
    ASSERT_TRUE(steps.frame);
    const TenFrameWork& f = *steps.frame;
    const auto& split = steps.lines[0].numbers;
    EXPECT_EQ(split[0], split[1] + split[2]) << steps.lines[0].text;
    if (steps.kind == StepsKind::makeTen) {
        EXPECT_EQ(f.inFrame + f.added, 10);
        EXPECT_EQ(f.inFrame, std::max(a, b));
        EXPECT_EQ(f.inFrame + f.added + f.beside, a + b);
    } else {
        EXPECT_EQ(f.inFrame, 10);
        EXPECT_EQ(f.crossed, b);
        EXPECT_EQ(10 - f.crossed + f.beside, a - b);
    }
    EXPECT_EQ(steps.lines.back().numbers, (std::vector<long long>{a, b, q.result.numerator}));
}

const struct { const char* key; StepsKind kind; } kSkills[] = {
    {"k1107", StepsKind::makeTen}, {"k1109", StepsKind::makeTen}, {"k1110", StepsKind::makeTen},
    {"k1152", StepsKind::makeTen}, {"k1153", StepsKind::makeTen}, {"k1154", StepsKind::makeTen},
    {"k1251", StepsKind::breakTen}, {"k1252", StepsKind::breakTen},
    {"k1201", StepsKind::breakTen}, {"k1204", StepsKind::breakTen}, {"k2102", StepsKind::column},
    {"k2104", StepsKind::column}, {"k3103", StepsKind::column}, {"k3105", StepsKind::column},
    {"k3108", StepsKind::column}, {"k3208", StepsKind::column}, {"k4103", StepsKind::column},
    {"k4104", StepsKind::trialQuotient}, {"k4105", StepsKind::trialQuotient}, {"k4106", StepsKind::trialQuotient},
    {"k4107", StepsKind::trialQuotient}, {"k2204", StepsKind::orderOfOps}, {"k2205", StepsKind::orderOfOps},
    {"k4201", StepsKind::orderOfOps}, {"k4202", StepsKind::orderOfOps}, {"k5201", StepsKind::reduce},
    {"k5203", StepsKind::reduce},
};

TEST(SkillSteps, EveryStepOfASkillsQuestionsWorksOut) {
    for (const auto& s : kSkills) {
        const SkillRow* skill = findSkill(s.key);
        ASSERT_TRUE(skill) << s.key;
        SeededRandom random(7);
        for (const SkillQuestion& q : drawSheet(*skill->questions, random, 60)) {
            SCOPED_TRACE(std::string(s.key) + " " + q.text);
            const std::optional<QuestionSteps> steps = questionSteps(skill, q);
            ASSERT_TRUE(steps);
            ASSERT_EQ(steps->kind, s.kind);
            for (const StepLine& line : steps->lines) expectEquationsHold(line);
            switch (s.kind) {
                case StepsKind::makeTen:
                case StepsKind::breakTen: expectTenFrame(q, *steps); break;
                case StepsKind::column: expectColumn(q, *steps); break;
                case StepsKind::trialQuotient: expectTrials(q, *steps); break;
                case StepsKind::orderOfOps: expectEveryLineTheWhole(q, *steps); break;
                case StepsKind::reduce: expectReduced(*steps); break;
            }
        }
    }
}

// A few worked by hand: the lines as the textbook writes them.
TEST(SkillSteps, HandWorkedLines) {
    const struct { const char* text; std::vector<std::string> lines; } cases[] = {
        {"9+4=", {"把4分成1和3", "9＋1＝10", "10＋3＝13", "所以9＋4＝13"}},
        {"8＋5＝", {"把5分成2和3", "8＋2＝10", "10＋3＝13", "所以8＋5＝13"}},
        {"13－9＝", {"把13分成10和3", "10－9＝1", "1＋3＝4", "所以13－9＝4"}},
        {"156÷39＝", {"把39看作40来试商", "", "156里面大约有几个40？试商3",
                      "39×3＝117，156－117＝39，余数39不比除数39小，商小了，改商4",
                      "39×4＝156，156－156＝0，余数0比除数39小，商4合适", "所以156÷39＝4"}},
    };
    for (const auto& c : cases) {
        const auto q = drillQuestion(c.text);
        ASSERT_TRUE(q) << c.text;
        const auto steps = questionSteps(findSkill(q->signs[0] == Sign::divide ? "k4106" : "k1110"), *q);
        ASSERT_TRUE(steps) << c.text;
        ASSERT_EQ(steps->lines.size(), c.lines.size()) << c.text;
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            if (!c.lines[i].empty()) EXPECT_EQ(steps->lines[i].text, c.lines[i]);
        }
    }
}

// A drill's text gives its two terms; facts of the tables, sums within ten
// and what is no drill's text have no steps.
TEST(SkillSteps, DrillTextsAndQuestionsWithoutSteps) {
    const struct { const char* text; bool steps; } cases[] = {
        {"6+9= （　）", true}, {"35+47=", true}, {"502-136=", true}, {"23×14=", true}, {"960÷32=", true},
        {"7×8= （　）", false}, {"3+4=", false}, {"18+1=", false}, {"72÷8=", false},
    };
    for (const auto& c : cases) {
        const auto q = drillQuestion(c.text);
        ASSERT_TRUE(q) << c.text;
        EXPECT_EQ(questionSteps(nullptr, *q).has_value(), c.steps) << c.text;
    }
    for (const char* text : {"", "8＋＝", "8+5", "小明有8个苹果=", "3.5+1=", "8+5=13"}) EXPECT_FALSE(drillQuestion(text)) << text;
    // Skills worked otherwise: in the head in grade 1, the short way round, decimals, the tables.
    for (const char* key : {"k1208", "k4203", "k4207", "k2108", "k6202"}) {
        SeededRandom random(2);
        for (const SkillQuestion& q : drawSheet(*findSkill(key)->questions, random, 20)) {
            EXPECT_FALSE(questionSteps(findSkill(key), q)) << key << " " << q.text;
        }
    }
}

// The ten-frame as the view reads it: ten squares, each closed before the
// next element, and the counters of each kind counted off the drawing.
TEST(SkillSteps, TheTenFrameDrawsItsCounters) {
    for (const char* text : {"9+4=", "6＋8＝", "13－9＝", "11－2＝"}) {
        const auto steps = questionSteps(findSkill("k1110"), *drillQuestion(text));
        ASSERT_TRUE(steps && steps->frame) << text;
        HtmlPage page;
        page.setBody(tenFrameSvg(*steps->frame));
        const std::string drawn = page.bodyHtml();
        const auto count = [&](const std::string& pattern) {
            const std::regex re(pattern);
            return std::distance(std::sregex_iterator(drawn.begin(), drawn.end(), re), std::sregex_iterator());
        };
        EXPECT_EQ(count("<rect[^>]*></rect>"), 10) << drawn;
        const TenFrameWork& f = *steps->frame;
        EXPECT_EQ(count("<circle class=own[^>]*></circle>"), std::min(f.inFrame, 10)) << text;
        EXPECT_EQ(count("<circle class=added[^>]*></circle>"), f.added) << text;
        EXPECT_EQ(count("<circle class=beside[^>]*></circle>"), f.beside) << text;
        EXPECT_EQ(count("<path[^>]*></path>"), f.crossed) << text;
        EXPECT_NE(drawn.find("<title>十格图"), std::string::npos);
    }
}

}  // namespace
}  // namespace tally
