// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <random>
#include <set>

#include "base/seeded_random.h"
#include "page/html_page.h"
#include "sheets/worksheet.h"
#include "skills/ready_mixes.h"
#include "skills/skill_page.h"
#include "skills/skill_question_lookup.h"
#include "support/text_helpers.h"
#include "skills/skill_mix.h"
#include "skills/skill_mix_sheet.h"

namespace tally {
namespace {

// Largest remainder, checked by what it means rather than worked out: every
// count is its quota rounded down or up, the counts sum to the questions,
// and every part rounded up had a remainder larger than every part rounded
// down (or as large and listed before it).
void expectLargestRemainder(int count, const std::vector<MixPart>& parts, const std::vector<int>& counts) {
    ASSERT_EQ(counts.size(), parts.size());
    const auto roundedUp = [&](std::size_t i) { return counts[i] > count * parts[i].share / 100; };
    const auto remainder = [&](std::size_t i) { return count * parts[i].share % 100; };
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(counts[i] - roundedUp(i), count * parts[i].share / 100) << count << " part " << i;
        for (std::size_t j = 0; j < parts.size(); ++j) {
            const bool fair = !roundedUp(i) || roundedUp(j) || remainder(i) > remainder(j) ||
                              (remainder(i) == remainder(j) && i < j);
            EXPECT_TRUE(fair) << count << " parts " << i << ", " << j;
        }
    }
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), count);
}

std::vector<MixPart> randomShares(SeededRandom& random, const std::vector<std::string>& keys) {
    const int partCount = drawInt(random, static_cast<double>(keys.size() - 1), 2);
    std::vector<int> cuts = {0, 100};
    while (static_cast<int>(cuts.size()) < partCount + 1) {
        const int cut = drawInt(random, 99, 1);
        if (std::find(cuts.begin(), cuts.end(), cut) == cuts.end()) cuts.push_back(cut);
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<MixPart> parts;
    for (std::size_t i = 1; i < cuts.size(); ++i) parts.push_back({keys[i - 1], cuts[i] - cuts[i - 1]});
    return parts;
}

void expectNoRepeat(const MixSheet& sheet) {
    std::set<std::string> texts;
    for (const MixQuestion& q : sheet.questions) EXPECT_TRUE(texts.insert(q.question.text).second) << q.question.text;
}

// The longest run of one skill and the most questions of others between two
// of its own, against what spreading each skill's n of N questions evenly
// allows: between two of skill i lie at most Σ ceil(n_k / n_i) of the other
// skills, and a run of i is at most floor(n_i / n_most) + 1 long, n_most
// being the largest count among the others.
void expectSpread(const std::vector<MixQuestion>& sheet) {
    std::map<std::string, int> counts;
    for (const MixQuestion& q : sheet) ++counts[q.skillKey];
    for (const auto& [key, n] : counts) {
        int between = 0;
        int most = 0;
        for (const auto& [other, m] : counts) {
            if (other == key) continue;
            between += (m + n - 1) / n;
            most = std::max(most, m);
        }
        int run = 0;
        int gap = 0;
        for (const MixQuestion& q : sheet) {
            const bool own = q.skillKey == key;
            run = own ? run + 1 : 0;
            gap = own ? 0 : gap + 1;
            EXPECT_TRUE(most == 0 || run <= n / most + 1) << key << " runs " << run;
            EXPECT_LE(gap, between) << key;
        }
    }
}

TEST(SkillMix, SheetsHoldTheSharesToTheQuestionSpreadEvenlyWithoutARepeat) {
    std::vector<std::string> keys;
    for (const SkillRow& row : skillTable()) {
        if (row.questions->size() >= 100) keys.push_back(row.key);
    }
    ASSERT_GE(keys.size(), 5u);
    SeededRandom random(11);
    for (int trial = 0; trial < 100; ++trial) {
        std::shuffle(keys.begin(), keys.end(), std::mt19937(static_cast<unsigned>(trial)));
        const SkillMix mix{"卷", drawInt(random, 81, 20), randomShares(random, {keys.begin(), keys.begin() + 5})};
        const MixSheet sheet = composeSheet(mix, random);
        ASSERT_EQ(sheet.problem, "");
        EXPECT_EQ(sheet.shortfall, "");
        std::map<std::string, int> byKey;
        for (const MixQuestion& q : sheet.questions) ++byKey[q.skillKey];
        std::vector<int> counts;
        for (const MixPart& part : mix.parts) counts.push_back(byKey[part.skillKey]);
        expectLargestRemainder(mix.questionCount, mix.parts, counts);
        expectNoRepeat(sheet);
        expectSpread(sheet.questions);
    }
}

// 9加几 (8 questions) lies inside 20以内进位加法 (36): the sheet takes every
// question of both once, and says how short it is.
TEST(SkillMix, SkillsWithTooFewQuestionsAreCappedAndSaySo) {
    const SkillRow& nines = *findSkill("k1107");
    const SkillRow& carrying = *findSkill("k1110");
    SeededRandom random(3);
    const MixSheet sheet = composeSheet({"卷", 100, {{carrying.key, 50}, {nines.key, 50}}}, random);
    EXPECT_EQ(sheet.questions.size(), carrying.questions->size());
    expectNoRepeat(sheet);
    EXPECT_NE(sheet.shortfall.find("“" + nines.caption + "”只出得了8道"), std::string::npos) << sheet.shortfall;
}

// Captions are read into the keys of 9加几, 8、7、6加几 and 十几减9.
TEST(SkillMix, WordsAreReadOrRefusedSayingWhy) {
    const std::string nine = "k1107", eight = "k1108", teen = "k1201";
    const struct {
        const char* words;
        std::vector<MixPart> parts;  // when read
        const char* problem;          // a part of the message when refused
    } cases[] = {
        {"100 9加几:50 8、7、6加几:20 十几减9:30", {{nine, 50}, {eight, 20}, {teen, 30}}, ""},
        {"100道：9加几50％，8、7、6加几20%，十几减9 30%", {{nine, 50}, {eight, 20}, {teen, 30}}, ""},
        {"１００题 9加几：５０% 十几减9 : 50", {{nine, 50}, {teen, 50}}, ""},
        {"9加几:50 十几减9:50", {}, "先写题数"},
        {"10 9加几:100", {}, "现在是10道"},
        {"99999999999 9加几:100", {}, "现在是99999999999道"},
        {"100 九加几:100", {}, "没有叫“九加几”的口算"},
        {"100 9加几:50 十几减9:40", {}, "现在是90%"},
        {"100 9加几:50 9加几:50", {}, "“9加几”写了两次"},
        {"100 9加几:0 十几减9:100", {}, "“9加几”占0%"},
        {"100 9加几 十几减9:100", {}, "“9加几”后面要写它占的百分比"},
        {"100 50% 十几减9:50", {}, "“50%”前面要写"},
        {"100", {}, "至少要有一项"},
    };
    for (const auto& c : cases) {
        const MixReading reading = readMix(c.words, "卷");
        EXPECT_NE(reading.problem.find(c.problem), std::string::npos) << c.words << ": " << reading.problem;
        if (*c.problem == '\0') {
            EXPECT_EQ(reading.problem, "") << c.words;
            EXPECT_EQ(reading.mix, (SkillMix{"卷", 100, c.parts})) << c.words;
            EXPECT_EQ(readMix(mixWords(reading.mix), "卷").mix, reading.mix) << c.words;
        }
    }
}

// The captions the ready mixes name are the table's, their skills have
// questions enough.
TEST(SkillMix, ReadyMixesReadAndCoverEveryTermOfGradesOneToThree) {
    std::set<std::pair<int, Term>> terms;
    std::set<std::string> names;
    for (const ReadyMixRow& row : readyMixRows()) {
        EXPECT_EQ(readMix(row.words).problem, "") << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        terms.insert({row.grade, row.term});
    }
    EXPECT_EQ(terms.size(), 6u);
    SeededRandom random(5);
    for (const ListedMix& ready : readyMixes()) EXPECT_EQ(composeSheet(ready.mix, random).shortfall, "") << ready.mix.name;
}

std::vector<SkillSheetItem> itemsOf(const MixSheet& sheet) {
    std::vector<SkillSheetItem> items;
    for (const MixQuestion& q : sheet.questions) items.push_back({findSkill(q.skillKey), q.question});
    return items;
}

// A 口算卷 of a clock to set, a clock read into two boxes and 凑十 shows every
// picture, is marked right when filled from its key and wrong when empty.
TEST(SkillMix, PictureSkillsAreMarkedOnAMixedSheet) {
    SeededRandom random(4);
    const SkillMix mix = readMix("20 拨一拨：整时和半时:40 认识几时几分几秒:30 看图凑十（5、4、3、2加几）:30").mix;
    const std::vector<SkillSheetItem> items = itemsOf(composeSheet(mix, random));
    ASSERT_EQ(items.size(), 20u);
    const std::string html = skillSheetHtml(items, DrillForm::Normal);
    HtmlPage page;
    page.setBody(html);
    for (const FieldAnswer& answer : worksheetAnswers(AnswerStyle::Exact, html)) page.setValue(answer.field, answer.answer);
    EXPECT_EQ(markSkillSheet(page, 0, 0).right, 20);
    page.setBody(html);
    EXPECT_EQ(markSkillSheet(page, 0, 0).missed.size(), 20u);
    EXPECT_EQ(test::occurrences(page.bodyHtml(), "<div class=picture") +
                  test::occurrences(page.bodyHtml(), "<div class=\"picture\""),
              20);
}

// On a 口算卷 a fraction's table is followed by one line break alone: the
// question after it keeps its own text, not the fraction's boxes as well,
// and is found again under its skill.
TEST(SkillMix, AQuestionAfterAFractionKeepsItsOwnText) {
    SeededRandom random(2);
    const SkillMix mix = readMix("20 同分母分数加、减法:50 10以内加减:50").mix;
    HtmlPage page;
    page.setBody(skillSheetHtml(itemsOf(composeSheet(mix, random)), DrillForm::Normal));
    const MarkedSheet marks = markSkillSheet(page, 0, 0);
    ASSERT_EQ(marks.missed.size(), 20u);
    for (const MissedQuestion& miss : marks.missed) {
        EXPECT_TRUE(skillQuestionOfText(*findSkill(miss.topicKey), miss.question)) << miss.topicKey << " " << miss.question;
    }
}

}  // namespace
}  // namespace tally
