// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "base/seeded_random.h"
#include "page/html_page.h"
#include "practice/lesson_list.h"
#include "skills/skill_family.h"
#include "skills/skill_page.h"
#include "skills/skill_sheet.h"
#include "system/fs_data_directory.h"

namespace tally {
namespace {

// An exact number worked out here, over whatever denominator the terms have.
struct Exact {
    long long n = 0;
    long long d = 1;
};

Exact apply(Exact a, Sign sign, Exact b) {
    switch (sign) {
        case Sign::plus: return {a.n * b.d + b.n * a.d, a.d * b.d};
        case Sign::minus: return {a.n * b.d - b.n * a.d, a.d * b.d};
        case Sign::times: return {a.n * b.n, a.d * b.d};
        case Sign::divide: return {a.n * b.d, a.d * b.n};
    }
    return {};
}

bool binds(Sign s) { return s == Sign::times || s == Sign::divide; }

// The value of the terms in the order of operations, the bracket first.
Exact valueOf(const SkillQuestion& q) {
    std::vector<Exact> v;
    for (const SkillNumber& t : q.terms) v.push_back({t.numerator, t.denominator});
    if (v.size() == 2) return apply(v[0], q.signs[0], v[1]);
    const bool laterFirst = q.bracketFrom ? *q.bracketFrom == 1 : binds(q.signs[1]) && !binds(q.signs[0]);
    if (laterFirst) return apply(v[0], q.signs[0], apply(v[1], q.signs[1], v[2]));
    return apply(apply(v[0], q.signs[0], v[1]), q.signs[1], v[2]);
}

// What a child who knows the answer types, field by field: a boxed term read
// off the question, a remainder by long division, a fraction over the terms'
// denominator (a whole one alone), tenths with a 0 after them.
std::map<std::string, std::string> rightAnswers(const SkillQuestion& q, int number) {
    const std::string i = std::to_string(number);
    const auto text = [](long long n) { return std::to_string(n); };
    if (q.remainder) {
        const int dividend = q.terms[0].numerator, divisor = q.terms[1].numerator;
        return {{"answer" + i, text(dividend / divisor)}, {"r" + i, text(dividend % divisor)}};
    }
    if (q.box) return {{"answer" + i, text(q.terms[static_cast<std::size_t>(*q.box)].numerator)}};
    const Exact value = valueOf(q);
    if (q.terms[1].form == NumberForm::fraction) {
        const long long n = q.terms[1].denominator, top = value.n * n / value.d;
        if (top == n) return {{"answerup" + i, "1"}, {"answerdown" + i, ""}};
        return {{"answerup" + i, text(top)}, {"answerdown" + i, text(n)}};
    }
    if (q.terms[0].form == NumberForm::tenths) {
        const long long tenths = value.n * 10 / value.d;
        return {{"answer" + i, text(tenths / 10) + "." + text(tenths % 10) + "0"}};
    }
    return {{"answer" + i, text(value.n / value.d)}};
}

struct FormCase {
    const char* keys;
    DrillForm form;
    AnswerForm missedAs;
};

std::vector<SkillSheetItem> drawnItems(const char* keys, std::size_t each) {
    SeededRandom random(7);
    std::vector<SkillSheetItem> items;
    for (const SkillRow* skill : namedSkills(keys)) {
        for (SkillQuestion& q : drawSheet(*skill->questions, random, each)) items.push_back({skill, std::move(q)});
    }
    return items;
}

// Every form a question takes on a sheet is marked right when answered right
// and wrong, with a miss that can be asked again where it can, when not.
TEST(SkillSheet, EveryFormIsMarkedRightWhenRightAndWrongWhenWrong) {
    const FormCase cases[] = {
        {"k1104", DrillForm::Normal, AnswerForm::One},        // □ in 一年级
        {"k2109", DrillForm::Normal, AnswerForm::One},        // □×6＝42
        {"k1102", DrillForm::Normal, AnswerForm::One},        // 8可以分成3和□
        {"k2206", DrillForm::Normal, AnswerForm::None},       // 商 and 余数
        {"k3205", DrillForm::Normal, AnswerForm::None},
        {"k3110", DrillForm::Normal, AnswerForm::Fraction},   // two boxes
        {"k3209", DrillForm::Normal, AnswerForm::One},        // tenths
        {"k2204", DrillForm::Normal, AnswerForm::One},        // 脱式
        {"k2205", DrillForm::Vertical, AnswerForm::One},      // 脱式 whatever the form
        {"k3108", DrillForm::Vertical, AnswerForm::One},      // 竖式 ×
        {"k2104", DrillForm::Vertical, AnswerForm::One},      // 竖式 －
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.keys);
        const auto items = drawnItems(c.keys, 20);
        for (const bool right : {true, false}) {
            HtmlPage page;
            page.setBody(skillSheetHtml(items, c.form));
            for (std::size_t i = 0; i < items.size(); ++i) {
                for (auto [field, typed] : rightAnswers(items[i].question, static_cast<int>(i) + 1)) {
                    ASSERT_TRUE(page.has(field)) << field;
                    if (!right && !field.starts_with("answerdown")) typed += "1";
                    page.setValue(field, typed);
                }
            }
            const MarkedSheet marks = markSkillSheet(page, 20, 30);
            EXPECT_EQ(marks.questions, static_cast<int>(items.size()));
            EXPECT_EQ(marks.right, right ? marks.questions : 0);
            EXPECT_EQ(marks.score, right ? 100 : 0);
            for (const MissedQuestion& miss : marks.missed) {
                EXPECT_EQ(miss.form, c.missedAs) << miss.question;
                EXPECT_FALSE(miss.question.empty());
            }
            const std::string marked = page.bodyHtml();
            EXPECT_EQ(marked.find("(×") == std::string::npos, right);
        }
    }
}

// Half an answer is no answer: the quotient right and the remainder wrong.
TEST(SkillSheet, AQuotientWithAWrongRemainderIsWrong) {
    const auto items = drawnItems("k2206", 1);
    HtmlPage page;
    page.setBody(skillSheetHtml(items, DrillForm::Normal));
    const auto answers = rightAnswers(items[0].question, 1);
    page.setValue("answer1", answers.at("answer1"));
    page.setValue("r1", answers.at("r1") + "1");
    const MarkedSheet marks = markSkillSheet(page, 10, 5);
    ASSERT_EQ(marks.missed.size(), 1u);
    EXPECT_EQ(marks.missed[0].correct, answers.at("answer1") + "……" + answers.at("r1"));
}

// The captions papers and scripts name are there, each naming one skill.
TEST(SkillSheet, CaptionsAreUniqueAndTheNamedOnesExist) {
    std::multiset<std::string> captions;
    for (const SkillRow& row : skillTable()) captions.insert(row.caption);
    for (const std::string& caption : captions) EXPECT_EQ(captions.count(caption), 1u) << caption;
    for (const char* named : {"10以内加减", "20以内不进位加法", "20以内进位加法", "9加几", "十几减9", "20以内退位减法"}) {
        EXPECT_EQ(captions.count(named), 1u) << named;
    }
}

// A lesson of grades 1 to 3 practises skills of its own grade, term and unit
// only; a lesson without calculation practises none.
TEST(LessonSkills, EachLessonPractisesTheSkillsOfItsOwnUnit) {
    const FsDataDirectory data(TALLYMOO_DATA_DIR);
    int linked = 0;
    for (int grade = 1; grade <= 3; ++grade) {
        const TermLessons terms = splitTerms(readLessonList(data, grade));
        for (const auto* term : {&terms.first, &terms.second}) {
            for (const LessonEntry& lesson : *term) {
                SCOPED_TRACE(lesson.caption);
                for (const std::string& key : lesson.drillKeys) {
                    if (!key.starts_with("k")) continue;
                    const SkillRow* skill = findSkill(key);
                    ASSERT_NE(skill, nullptr) << key;
                    EXPECT_EQ(skill->grade, grade) << key;
                    EXPECT_EQ(skill->term == Term::first, term == &terms.first) << key;
                    EXPECT_EQ(skill->unit, lesson.caption) << key;
                    ++linked;
                }
                for (const char* old : {"q11", "q13", "q31", "q43", "q46"}) {
                    EXPECT_EQ(std::count(lesson.drillKeys.begin(), lesson.drillKeys.end(), old), 0) << old;
                }
                for (const char* none : {"位置", "认识图形", "分类与整理"}) {
                    if (lesson.caption.starts_with(none)) {
                        EXPECT_TRUE(lesson.drillKeys.empty());
                    }
                }
            }
        }
    }
    EXPECT_GE(linked, 40);
}

}  // namespace
}  // namespace tally
