#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page/html_parse.h"
#include "page/html_serialize.h"
#include "shell/catalogue.h"
#include "sheets/worksheet.h"
#include "app/worksheet_print.h"
#include "support/harness.h"

namespace tally {
namespace {

using test::Harness;

struct Family {
    const char* tab;
    const char* key;
    const char* drillForm;  // toolbar key of the drill form
    bool twoColumns;
};

// One sheet of every family that is marked field by field.
const Family kFamilies[] = {
    {"加减乘除", "q13", "w6", true},         {"加减乘除", "q13", "w7", true},
    {"加减乘除", "q13", "w8", true},         {"加减乘除", "q23", "w9", true},
    {"加减乘除", "q33", "w6", true},         {"加减乘除", "q43", "w6", true},
    {"时间转换", "q72", "w6", false},        {"时间转换", "q76", "w6", false},
    {"比较多少", "q83", "w6", false},        {"规律运算", "q95", "w6", false},
    {"四则运算", "q9008", "w6", false},       {"四则运算", "q9001", "w6", false},
    {"分数和比例", "q5008", "w6", true},     {"分数和比例", "q5013", "w6", true},
    {"约数和倍数", "q7003", "w6", false},    {"约数和倍数", "q8002", "w6", false},
    {"应用题", "q57", "w6", false},          {"应用题", "q55", "w6", false},
    {"同步教学", "q533303002", "w6", true},
};

std::string part(const std::string& document, const char* from, const char* to) {
    const std::size_t begin = document.find(from);
    const std::size_t end = to ? document.find(to) : std::string::npos;
    return begin == std::string::npos ? "" : document.substr(begin, end - begin);
}

// The texts of the elements whose class starts so, in document order.
std::vector<std::string> textsOfClass(const std::string& html, const std::string& cssClass) {
    auto root = HtmlNode::element("div");
    root->replaceChildren(parseHtmlFragment(html));
    std::vector<std::string> texts;
    forEachElement(*root, [&](const HtmlNode& element, int) {
        const HtmlAttribute* found = element.findAttribute("class");
        if (found && found->value.starts_with(cssClass)) texts.push_back(visibleText(element));
        return false;
    });
    return texts;
}


void openSheet(Harness& h, const Family& family) {
    h.start();
    h.form->clickToolbar(family.drillForm);
    h.click(family.key, family.tab);
}

// Blanks in the questions, the answers in the key, nothing of either leaking
// into the other; a sheet already typed in and marked prints as it was written.
TEST(Worksheet, QuestionsHaveBlanksAndTheKeyTheAnswers) {
    for (const Family& family : kFamilies) {
        SCOPED_TRACE(std::string(family.key) + " " + family.drillForm);
        Harness h;
        openSheet(h, family);
        const AnswerStyle style = answerStyleOf(*h.form, h.form->gradingKey()).value();
        const auto document = worksheetDocument(style, "标题", h.page.bodyHtml());
        ASSERT_TRUE(document);
        const std::vector<FieldAnswer> answers = worksheetAnswers(style, h.page.bodyHtml());

        const std::string questions = part(*document, "<section class=\"sheet\">", "<section class=\"key\">");
        const std::string answerKey = part(*document, "<section class=\"key\">", nullptr);
        EXPECT_EQ(textsOfClass(questions, "blank").size(), answers.size());
        EXPECT_TRUE(textsOfClass(questions, "filled").empty());
        for (const char* leak : {"<input", "tag=", "提交答案", "查看答案"}) {
            EXPECT_EQ(document->find(leak), std::string::npos) << leak;
        }
        const std::vector<std::string> shown = textsOfClass(answerKey, "filled");
        ASSERT_EQ(shown.size(), answers.size());
        for (std::size_t i = 0; i < answers.size(); ++i) EXPECT_EQ(shown[i], answers[i].answer);
        EXPECT_EQ(document->find("questions two") != std::string::npos, family.twoColumns);
        EXPECT_NE(questions.find("姓名："), std::string::npos);
        EXPECT_NE(questions.find("日期："), std::string::npos);

        // Some answers wrong, the last always, so the re-drill line is under the sheet too.
        for (std::size_t i = 0; i < answers.size(); ++i) {
            const bool wrong = i % 2 == 1 || i + 1 == answers.size();
            h.type(answers[i].field, wrong ? answers[i].answer + "0" : answers[i].answer);
        }
        h.finish();
        h.finish();
        EXPECT_EQ(worksheetDocument(style, "标题", h.page.bodyHtml()), document) << "marks or scores were printed";
    }
}

// Word problems show the worked solution under the answer, as written on paper.
TEST(Worksheet, WordProblemKeyShowsTheWorking) {
    const std::string body =
        "1：一箱苹果重25千克，6箱一共重多少千克？<br>答案 =  <input class=text name=answer1 type=text size=11 "
        "tag=\"150千克|(25+5)*6/1=150千克\"><br><br>";
    const auto document = worksheetDocument(AnswerStyle::WordProblem, "应用题", body);
    ASSERT_TRUE(document);
    EXPECT_EQ(textsOfClass(*document, "working"), std::vector<std::string>{"列式：(25+5)×6÷1=150千克"});
    EXPECT_EQ(textsOfClass(*document, "filled"), std::vector<std::string>{"150千克"});
}

// The four-operation sheets ask for two decimals; the arithmetic ones take the tag as it is.
TEST(Worksheet, AnswersAsTheGraderOfTheKeyWantsThem) {
    const struct {
        AnswerStyle style;
        const char* body;
        std::vector<std::string> answers;
    } cases[] = {
        {AnswerStyle::Rounded, "第1题：(19-8)÷(15-9)= <input name=answer1 type=text tag=1.83333333333333><br><br>",
         {"1.83"}},
        {AnswerStyle::Rounded, "第1题：(2+16×8)÷3= <input name=answer1 type=text tag=43.3333333333333>", {"43.33"}},
        {AnswerStyle::Rounded, "第1题：(21-10)÷(10-2)= <input name=answer1 type=text tag=1.375>", {"1.38"}},
        {AnswerStyle::Exact, "第1题：9.5-2.25= <input name=answer1 type=text tag=7.25>", {"7.25"}},
        {AnswerStyle::HoursMinutes,
         "第1题：94分=<input name=r1 type=text tag=1小时34分>小时<input name=answer1 type=text tag=1小时34分>分",
         {"1", "34"}},
        {AnswerStyle::Exact,
         "第1题：46+<input name=Qanswer1 type=text tag=30>&lt;77<input name=answer1 type=hidden tag=30>", {"30"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> shown;
        for (const FieldAnswer& answer : worksheetAnswers(c.style, c.body)) shown.push_back(answer.answer);
        EXPECT_EQ(shown, c.answers) << c.body;
    }
}

// Pages that are not marked field by field have no worksheet, nor does a
// topic that is not in the catalogue.
TEST(Worksheet, OnlySheetsWithAnswerFieldsPrint) {
    const struct {
        const char* key;
        const char* error;  // what the message says
    } cases[] = {
        {"q1", "没有要填答案的练习题"},    // the section's introduction
        {"q61", "没有要填答案的练习题"},   // the 24-point game
        {"q62", "没有要填答案的练习题"},   // the memory game
        {"q511102", "没有要填答案的练习题"},  // the level game
        {"q7005", "没有要填答案的练习题"},  // a problem whose answer is revealed
        {"q78", "没有要填答案的练习题"},   // a puzzle that only times the thinking
        {"q999", "找不到题目“q999”"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.start();
        const WorksheetRequest request = worksheetForTopic(*h.form, c.key);
        EXPECT_TRUE(request.document.empty()) << c.key;
        EXPECT_NE(request.error.find(c.error), std::string::npos) << c.key << ": " << request.error;
    }
}

// The print button hands the window the worksheet of the sheet on screen.
TEST(Worksheet, PrintButtonOffersTheSheetOnScreen) {
    Harness h;
    h.start();
    h.form->clickToolbar("w12");
    EXPECT_EQ(h.ui.printedWorksheet, "") << "the start page";
    h.click("q13");
    h.form->clickToolbar("w12");
    EXPECT_EQ(h.ui.prints, 2);
    EXPECT_NE(h.ui.printedWorksheet.find("<h1 class=\"title\">100以内加法</h1>"), std::string::npos)
        << h.ui.printedWorksheet.substr(0, 2000);
    const WorksheetRequest byKey = worksheetForTopic(*h.form, "q95");
    EXPECT_EQ(byKey.error, "");
    EXPECT_NE(byKey.document.find("<h1 class=\"title\">规律运算·最难</h1>"), std::string::npos);
}

}  // namespace
}  // namespace tally
