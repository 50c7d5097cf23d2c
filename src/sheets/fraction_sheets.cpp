// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheets/fraction_sheets.h"

#include <optional>
#include <set>
#include <string>
#include <utility>

#include "page/html_page.h"
#include "base/content_store.h"
#include "base/text.h"
#include "sheets/fraction_question.h"
#include "sheets/gcd.h"
#include "sheets/mark_texts.h"
#include "sheets/marking.h"
#include "sheets/question_text.h"
#include "sheets/sheet.h"
#include "sheets/written_answer.h"

namespace tally {
namespace {

using std::to_string;

// Denominators Int(R × span) + base, by size: 2..9, 9..26, 25..104.
struct DenominatorRange {
    int span;
    int base;
};
constexpr DenominatorRange kRanges[] = {{8, 2}, {18, 9}, {80, 25}};

// Topics 5002..5013: + and - with numerators 1, then + and - with drawn ones,
// each at the three sizes.
struct FractionTopic {
    bool subtraction;
    bool anyNumerator;
    DenominatorRange range;
};

FractionTopic fractionTopic(int topic) {
    const int index = topic - 5002;
    return {(index / 3) % 2 == 1, index >= 6, kRanges[index % 3]};
}

struct FractionQuestion {
    int n1, p, n2, q;  // n1/p op n2/q
};

FractionQuestion drawQuestion(FamilyContext& context, const FractionTopic& topic) {
    FractionQuestion f{1, 0, 1, 0};
    f.p = context.draw(topic.range.span, topic.range.base);
    if (topic.anyNumerator) f.n1 = context.draw(f.p - 2, 2);
    f.q = context.draw(topic.range.span, topic.range.base);
    if (topic.anyNumerator) f.n2 = context.draw(f.q - 2, 2);
    return f;
}

std::string filledTemplate(int question, const FractionQuestion& f, bool subtraction) {
    const long long pq = static_cast<long long>(f.p) * f.q;
    const long long sum = subtraction ? static_cast<long long>(f.n1) * f.q - static_cast<long long>(f.n2) * f.p
                                      : static_cast<long long>(f.n1) * f.q + static_cast<long long>(f.n2) * f.p;
    const long long g = gcd(sum, pq);
    // A whole answer (2/4+3/6) is written as the whole number, the denominator box left empty.
    const std::string down = pq / g == 1 ? "" : to_string(pq / g);
    return fractionQuestionHtml(question, {to_string(f.n1), to_string(f.p), subtraction ? "-" : "+", to_string(f.n2),
                                           to_string(f.q), to_string(sum / g), down});
}

// An addition sheet never repeats an ordered pair of denominators; once every
// pair of different denominators is used the sheet ends early.
class DenominatorHistory {
public:
    explicit DenominatorHistory(int values) : capacity_(static_cast<std::size_t>(values) * (values - 1)) {}
    bool full() const { return used_.size() >= capacity_; }
    bool take(int p, int q) { return p != q && used_.emplace(p, q).second; }

private:
    std::size_t capacity_;
    std::set<std::pair<int, int>> used_;
};

// A whole number of at most nine digits, as typed; nothing for anything else.
std::optional<long long> wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoll(text);
}

// The typed fraction has the answer's value but is not in lowest terms.
bool notReducedYet(const std::string& numerator, const std::string& denominator, const FractionKey& key) {
    const auto n = wholeNumber(numerator), d = wholeNumber(denominator);
    const auto p = wholeNumber(key.numerator), q = wholeNumber(key.denominator.empty() ? "1" : key.denominator);
    if (!n || !d || !p || !q || *d == 0) return false;
    return *n * *q == *p * *d && gcd(*n, *d) > 1;
}

bool positiveDifference(const FractionQuestion& f) {
    return static_cast<long long>(f.n1) * f.q - static_cast<long long>(f.n2) * f.p > 0;
}

}  // namespace

std::string fractionQuestionHtml(int question, const FractionQuestionText& f) {
    const std::string i = to_string(question);
    std::string html = ContentStore::text("Text19");
    html = replaceAll(html, "第几题：", questionHead(question));
    html = replaceAll(html, "fenshupl", "fenshupl" + i);
    html = replaceAll(html, "answerup", "answerup" + i);
    html = replaceAll(html, "answerdown", "answerdown" + i);
    html = replaceAll(html, "a1", f.numerator1);
    html = replaceAll(html, "a3", f.numerator2);
    html = replaceAll(html, "运算符", f.sign);
    html = replaceAll(html, "a2", f.denominator1);
    html = replaceAll(html, "a4", f.denominator2);
    html = replaceAll(html, "答案up", f.answerNumerator);
    html = replaceAll(html, "答案down", f.answerDenominator);
    return html;
}

bool FractionFamily::builds(const TopicTagParts& tag) const {
    return tag.sigil == "{" && (tag.number == 500 || between(tag.number, 5002, 5013));
}

bool FractionFamily::marks(const std::string& gradingKey) const { return gradingKey.starts_with("q50"); }

void FractionFamily::build(FamilyContext& context, const TopicClick& click, Sheet& sheet) {
    if (click.tag.number == 500) return;
    const FractionTopic topic = fractionTopic(click.tag.number);
    DenominatorHistory history(topic.range.span);
    sheet.html += sheetNote("得数要化成最简分数。");
    for (int i = 1; i <= context.options.questionCount; ++i) {
        if (!topic.subtraction && history.full()) break;
        FractionQuestion f = drawQuestion(context, topic);
        while (topic.subtraction ? !positiveDifference(f) : !history.take(f.p, f.q)) {
            f = drawQuestion(context, topic);
        }
        sheet.html += filledTemplate(i, f, topic.subtraction) + "<br><br>";
    }
    sheet.html += std::string(kFinishButton) + "<br><br>";
}

std::optional<MarkedSheet> FractionFamily::mark(FamilyContext& context, const std::string&) {
    Page& page = context.page;
    const int questions = fieldsOnPage(page, "answerup");
    const SheetQuestions texts(page.bodyHtml());
    MarkedSheet marks;
    for (int i = 1; i <= questions; ++i) {
        const std::string up = "answerup" + std::to_string(i);
        const std::string down = "answerdown" + std::to_string(i);
        const std::string numerator = typedValue(page, up);
        const std::string denominator = typedValue(page, down);
        const FractionKey key{page.tag(up), page.tag(down)};
        const std::string expected = fractionKeyText(key);
        const bool bothRight = fractionAnswerRight(numerator, denominator, key);
        const std::string typed = fractionKeyText({numerator, denominator});
        const std::string hint = !bothRight && notReducedYet(numerator, denominator, key) ? "（还要约分）" : "";
        page.setInnerHtml("fenshupl" + std::to_string(i), markHtml(bothRight, bothRight ? "" : expected, hint));
        if (!bothRight) {
            page.setAttribute(up, "style", kWrongBoxStyle);
            page.setAttribute(down, "style", kWrongBoxStyle);
        }
        noteAnswer(page, {up, down}, texts.fractionOf(up), bothRight, typed);
        marks.mark(bothRight, texts.fractionOf(up), typed, expected, AnswerForm::Fraction);
    }
    marks.score = arithmeticScore(marks.right, questions, context.options.questionCount);
    marks.seconds = context.thinkSeconds;
    page.insertHtmlAfter("finish", scoreLine(marks.score, context.thinkSeconds));
    return marks;
}

TopicSections FractionFamily::topics(const std::string& tab, const DataDirectory& /*data*/) const {
    if (tab != "T5") return {};
    return {{{
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
    }}};
}

}  // namespace tally
