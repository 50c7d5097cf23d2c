// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "base/seeded_random.h"
#include "page/html_page.h"
#include "skills/skill_family.h"
#include "skills/skill_page.h"
#include "skills/skill_sheet.h"

namespace tally {
namespace {

// A number as a child types it with a Chinese input method: the minus sign
// −, the ratio sign ∶, full-width （）, ％ and ＞＜＝, every decimal place of
// an approximation. Its value is the draw tests' to check.
std::string typed(const SkillNumber& n) {
    const long long size = std::abs(static_cast<long long>(n.numerator)), d = n.denominator;
    std::string text = n.numerator < 0 ? "\u2212" : "";
    const auto divided = [&text](long long top, long long bottom, bool everyPlace) {
        text += std::to_string(top / bottom) + ".";
        std::map<long long, std::size_t> seen;
        long long r = top % bottom;
        for (long long unit = bottom; (r != 0 || (everyPlace && unit > 1)) && !seen.contains(r); unit /= 10) {
            if (!everyPlace) seen[r] = text.size();
            text += static_cast<char>('0' + r * 10 / bottom);
            r = r * 10 % bottom;
            if (everyPlace && unit <= 10) break;
        }
        if (r != 0 && seen.contains(r)) text.insert(seen[r], "（"), text += "）";
        if (text.back() == '.') text.pop_back();
    };
    switch (n.form) {
        case NumberForm::whole:
        case NumberForm::fraction: return text + std::to_string(size);
        case NumberForm::tenths:
        case NumberForm::decimal:
        case NumberForm::recurring: divided(size, d, false); return text;
        case NumberForm::rounded: divided(size, d, true); return text;
        case NumberForm::percent: divided(size * 100, d, false); return text + "％";
        case NumberForm::ratio: return text + std::to_string(size) + "\u2236" + std::to_string(d);
        case NumberForm::relation: return n.numerator > 0 ? "＞" : n.numerator < 0 ? "＜" : "＝";
    }
    return text;
}

// What a child who knows the answer types, field by field: a remainder in
// its own field, a fraction in two boxes, and so a whole number among
// fractions or as the value of a ratio, lest one field tell it is whole.
std::map<std::string, std::string> rightAnswers(const SkillQuestion& q, int number) {
    const std::string i = std::to_string(number);
    const SkillNumber answer = q.answer();
    if (q.remainder) return {{"answer" + i, typed(answer)}, {"r" + i, std::to_string(*q.remainder)}};
    const bool amongFractions =
        std::any_of(q.terms.begin(), q.terms.end(), [](auto& t) { return t.form == NumberForm::fraction; }) ||
        q.signs == std::vector<Sign>{Sign::ratio};
    const bool wholeInBoxes = answer.form == NumberForm::whole && amongFractions && q.layout == QuestionLayout::equation;
    if (answer.form == NumberForm::fraction || wholeInBoxes) {
        const bool whole = answer.form == NumberForm::whole;
        return {{"answerup" + i, typed(answer)}, {"answerdown" + i, whole ? "" : std::to_string(answer.denominator)}};
    }
    return {{"answer" + i, typed(answer)}};
}

std::vector<SkillSheetItem> drawnItems(const char* keys, std::size_t each) {
    SeededRandom random(7);
    std::vector<SkillSheetItem> items;
    for (const SkillRow* skill : namedSkills(keys)) {
        for (SkillQuestion& q : drawSheet(*skill->questions, random, each)) items.push_back({skill, std::move(q)});
    }
    return items;
}

// Every form a question takes on a sheet is marked right when answered right
// and wrong, with a miss that can be asked again where it can, when not; half
// an answer (the quotient right, the remainder wrong) is no answer.
TEST(SkillSheet, EveryFormIsMarkedRightWhenRightAndWrongWhenWrong) {
    const std::pair<const char*, DrillForm> cases[] = {
        {"k1104", DrillForm::Normal},    // □ in 一年级
        {"k2109", DrillForm::Normal},    // □×6＝42
        {"k1102", DrillForm::Normal},    // 8可以分成3和□
        {"k2206", DrillForm::Normal},    // 商 and 余数
        {"k3110", DrillForm::Normal},    // two boxes
        {"k3161", DrillForm::Normal},    // worded, a fraction in two boxes
        {"k1161", DrillForm::Vertical},  // a number line's sum stays 横式
        {"k3209", DrillForm::Normal},    // tenths
        {"k2204", DrillForm::Vertical},  // 脱式 whatever the form
        {"k3108", DrillForm::Vertical},  // 竖式 ×
        {"k2104", DrillForm::Vertical},  // 竖式 －
        {"k4107", DrillForm::Vertical},  // a remainder now and then
        {"k4202", DrillForm::Normal},    // 脱式 with brackets
        {"k5103", DrillForm::Normal},    // ≈, every place
        {"k5107", DrillForm::Normal},    // recurring
        {"k5109", DrillForm::Normal},    // 3x＋5＝20，x＝
        {"k5201", DrillForm::Normal},    // 约分
        {"k5202", DrillForm::Normal},    // worded, the field at its □
        {"k6105", DrillForm::Vertical},  // the value of a ratio, a fraction
        {"k6106", DrillForm::Vertical},  // a ratio
        {"k6108", DrillForm::Normal},    // percent and fraction both ways
        {"k6201", DrillForm::Normal},    // negative
        {"k6202", DrillForm::Normal},    // －3○2
        {"k6204", DrillForm::Normal},    // x∶6＝4∶12
    };
    for (const auto& [keys, form] : cases) {
        SCOPED_TRACE(keys);
        const auto items = drawnItems(keys, 20);
        for (const bool right : {true, false}) {
            HtmlPage page;
            page.setBody(skillSheetHtml(items, form));
            std::vector<AnswerForm> forms;
            std::vector<std::string> withRemainder;  // the right answer a miss keeps
            for (std::size_t i = 0; i < items.size(); ++i) {
                const auto answers = rightAnswers(items[i].question, static_cast<int>(i) + 1);
                const std::string r = "r" + std::to_string(i + 1);
                for (auto [field, answer] : answers) {
                    ASSERT_TRUE(page.has(field)) << field;
                    const bool spoilt = answers.contains(r) ? field == r : !field.starts_with("answerdown");
                    page.setValue(field, !right && spoilt ? answer + "1" : answer);
                }
                const bool fraction = answers.size() == 2 && !answers.contains(r);
                forms.push_back(answers.contains(r) ? AnswerForm::None : fraction ? AnswerForm::Fraction : AnswerForm::One);
                withRemainder.push_back(answers.contains(r) ? answers.at("answer" + std::to_string(i + 1)) + "……" + answers.at(r) : "");
            }
            const MarkedSheet marks = markSkillSheet(page, 20, 30);
            EXPECT_EQ(marks.questions, static_cast<int>(items.size()));
            EXPECT_EQ(marks.right, right ? marks.questions : 0);
            for (std::size_t i = 0; i < marks.missed.size(); ++i) {
                EXPECT_EQ(marks.missed[i].form, forms[i]) << marks.missed[i].question;
                EXPECT_TRUE(withRemainder[i].empty() || marks.missed[i].correct == withRemainder[i])
                    << marks.missed[i].correct;
            }
            EXPECT_EQ(page.bodyHtml().find("(×") == std::string::npos, right);
        }
    }
}

}  // namespace
}  // namespace tally
