// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_steps.h"

#include <algorithm>
#include <numeric>
#include <regex>

#include "progress/record_values.h"
#include "skills/question_forms.h"
#include "skills/steps_builders.h"

namespace tally {

std::string placeName(int place) {
    static const char* const kPlaces[] = {"个位", "十位", "百位", "千位", "万位", "十万位", "百万位"};
    return kPlaces[std::clamp(place, 0, 6)];
}

std::string equationText(long long a, const char* sign, long long b, long long result) {
    return std::to_string(a) + sign + std::to_string(b) + "＝" + std::to_string(result);
}

StepLine soLine(long long a, const char* sign, long long b, long long result) {
    return {"所以" + equationText(a, sign, b, result), {a, b, result}, ""};
}

namespace {

bool wholeTerms(const SkillQuestion& q) {
    return std::all_of(q.terms.begin(), q.terms.end(), [](const SkillNumber& term) {
        return term.form == NumberForm::whole && term.numerator >= 0;
    });
}

bool unitHas(const SkillRow* skill, const char* words) {
    return skill && skill->unit.find(words) != std::string::npos;
}

// Grade 1 works past ten by 凑十 and 破十 and the rest in the head; the
// columns come from grade 2 on. A drill has no grade: its sums from 20 on
// are worked in columns.
bool inColumns(const SkillRow* skill, long long biggest) {
    return skill ? skill->grade >= 2 && biggest >= 10 : biggest >= 20;
}

std::optional<QuestionSteps> twoWholeTerms(const SkillRow* skill, const SkillQuestion& q) {
    const long long a = q.terms[0].numerator;
    const long long b = q.terms[1].numerator;
    switch (q.signs[0]) {
        case Sign::plus:
            if (a <= 9 && b <= 9 && a + b > 10) return makeTenSteps(static_cast<int>(a), static_cast<int>(b));
            if (inColumns(skill, a + b)) return additionColumn(a, b);
            return std::nullopt;
        case Sign::minus:
            if (a >= 11 && a <= 18 && b <= 9 && a % 10 < b) return breakTenSteps(static_cast<int>(a), static_cast<int>(b));
            if (a >= b && inColumns(skill, a)) return subtractionColumn(a, b);
            return std::nullopt;
        case Sign::times:
            if (a <= 9 && b <= 9) return std::nullopt;  // a fact of the tables
            return multiplicationColumn(a, b);
        case Sign::divide:
            if (b >= 10 && b <= 99 && a >= b) return trialQuotientSteps(a, b);
            return std::nullopt;
        default: return std::nullopt;
    }
}

bool isFraction(const SkillNumber& n) { return n.form == NumberForm::fraction; }

// Like fractions added or taken away, the result to be reduced.
std::optional<QuestionSteps> likeFractions(const SkillQuestion& q) {
    const SkillNumber& x = q.terms[0];
    const SkillNumber& y = q.terms[1];
    if (x.denominator != y.denominator || (q.signs[0] != Sign::plus && q.signs[0] != Sign::minus)) return std::nullopt;
    const bool plus = q.signs[0] == Sign::plus;
    const long long numerator = plus ? x.numerator + y.numerator : x.numerator - y.numerator;
    if (numerator <= 0 || std::gcd<long long>(numerator, x.denominator) == 1) return std::nullopt;
    const std::string d = "/" + std::to_string(x.denominator);
    const StepLine sum{std::to_string(x.numerator) + d + (plus ? "＋" : "－") + std::to_string(y.numerator) + d + "＝" +
                           std::to_string(numerator) + d,
                       {x.numerator, y.numerator, x.denominator, numerator},
                       plus ? "分母不变，分子相加" : "分母不变，分子相减"};
    return reduceSteps(numerator, x.denominator, sum);
}

}  // namespace

std::optional<QuestionSteps> questionSteps(const SkillRow* skill, const SkillQuestion& q) {
    // A pictured question that keeps the sum it pictures (看图凑十) is worked as that sum.
    if (q.layout == QuestionLayout::worded) {
        return q.terms.size() == 2 && q.signs.size() == 1 && wholeTerms(q) ? twoWholeTerms(skill, q) : std::nullopt;
    }
    if (q.layout != QuestionLayout::equation || q.box || q.approximate || q.terms.empty()) return std::nullopt;
    if (q.terms.size() == 1 && isFraction(q.terms[0]) && q.prompt == "约分：") {
        return reduceSteps(q.terms[0].numerator, q.terms[0].denominator, std::nullopt);
    }
    if (!q.prompt.empty() || q.terms.size() != q.signs.size() + 1) return std::nullopt;
    if (q.terms.size() == 2 && isFraction(q.terms[0]) && isFraction(q.terms[1])) return likeFractions(q);
    if (!wholeTerms(q)) return std::nullopt;
    // The laws of operations are there to be worked the short way round.
    if (unitHas(skill, "运算定律")) return std::nullopt;
    if (q.terms.size() > 2) return orderOfOperationsSteps(q);
    return twoWholeTerms(skill, q);
}

std::optional<SkillQuestion> drillQuestion(const std::string& text) {
    static const std::regex kDrill(R"(^\s*(\d{1,6})\s*(\+|＋|-|－|×|x|\*|÷|/)\s*(\d{1,6})\s*(=|＝)\s*$)");
    std::string bare = text;
    if (const std::size_t blank = bare.rfind(kAnswerBlank); blank != std::string::npos) bare.erase(blank);
    std::smatch parts;
    if (!std::regex_match(bare, parts, kDrill)) return std::nullopt;
    const std::string sign = parts[2];
    const Sign chosen = sign == "+" || sign == "＋"   ? Sign::plus
                        : sign == "-" || sign == "－" ? Sign::minus
                        : sign == "÷" || sign == "/"  ? Sign::divide
                                                      : Sign::times;
    auto question = wholeQuestion({std::stoi(parts[1]), std::stoi(parts[3])}, {chosen}, 1'000'000'000);
    if (question) question->text = questionText(*question);
    return question;
}

}  // namespace tally
