// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheets/worksheet.h"
#include "app/worksheet_print.h"
#include "support/harness.h"
#include "support/text_helpers.h"

// What every sheet prints (blanks, the key, nothing leaking, a marked sheet
// printing clean) is checked on every sheet by the family table's walk; here
// the layout and the answers as the key writes them.
namespace tally {
namespace {

using test::Harness;
using test::textsOfClass;

// Short questions go in two columns, anything wider in one.
TEST(Worksheet, ShortQuestionsInTwoColumns) {
    const struct { const char* tab; const char* key; const char* drillForm; bool twoColumns; } cases[] = {
        {"加减乘除", "q13", "w7", true},     {"加减乘除", "q23", "w9", true},     {"加减乘除", "q43", "w8", true},
        {"时间转换", "q76", "w6", false},    {"比较多少", "q83", "w6", false},    {"规律运算", "q95", "w6", false},
        {"四则运算", "q9008", "w6", false},  {"分数和比例", "q5013", "w6", true}, {"约数和倍数", "q8002", "w6", false},
        {"应用题", "q57", "w6", false},      {"同步教学", "q533303002", "w6", true},
    };
    for (const auto& c : cases) {
        Harness h(test::started);
        h.form->clickToolbar(c.drillForm);
        h.click(c.key, c.tab);
        const AnswerStyle style = answerStyleOf(*h.form, h.form->gradingKey()).value();
        const auto document = worksheetDocument(style, "标题", h.page.bodyHtml());
        ASSERT_TRUE(document) << c.key;
        EXPECT_EQ(document->find("questions two") != std::string::npos, c.twoColumns) << c.key << " " << c.drillForm;
    }
}

// Word problems show the worked solution under the answer, as written on
// paper, after the unit where the sheet prints it after the box.
TEST(Worksheet, WordProblemKeyShowsTheWorking) {
    const struct { const char* tagAndAfter; const char* filled; } cases[] = {
        {"\"150千克|(25+5)*6/1=150千克\">", "150千克"}, {"\"150|(25+5)*6/1=150千克\">千克", "150"}};
    for (const auto& c : cases) {
        const std::string body = std::string("答案 =  <input class=text name=answer1 tag=") + c.tagAndAfter + "<br><br>";
        const auto document = worksheetDocument(AnswerStyle::WordProblem, "应用题", body);
        ASSERT_TRUE(document);
        EXPECT_EQ(textsOfClass(*document, "working"), std::vector<std::string>{"列式：(25+5)×6÷1=150千克"});
        EXPECT_EQ(textsOfClass(*document, "filled"), std::vector<std::string>{c.filled});
        const std::size_t key = document->rfind("答案 =");
        EXPECT_LT(document->find("千克", key), document->find("列式", key)) << *document;
    }
}

// Pages that are not marked field by field have no worksheet (an
// introduction, the games, revealed answers, a puzzle that times the
// thinking), nor does a topic that is not in the catalogue.
TEST(Worksheet, OnlySheetsWithAnswerFieldsPrint) {
    Harness h(test::started);
    for (const char* key : {"q1", "q61", "q62", "q511102", "q7005", "q78"}) {
        const WorksheetRequest request = worksheetForTopic(*h.form, key);
        EXPECT_TRUE(request.document.empty()) << key;
        EXPECT_NE(request.error.find("没有要填答案的练习题"), std::string::npos) << key << ": " << request.error;
    }
    EXPECT_NE(worksheetForTopic(*h.form, "q999").error.find("找不到题目“q999”"), std::string::npos);
    const WorksheetRequest byKey = worksheetForTopic(*h.form, "q95");
    EXPECT_EQ(byKey.error, "");
    EXPECT_NE(byKey.document.find("<h1 class=\"title\">规律运算·最难</h1>"), std::string::npos);
}

// A clock to set and a shape to shade are answered on paper in the picture
// (the hands drawn, the parts shaded): no box beside them on the worksheet,
// and none on the key, whose picture shows the answer.
TEST(Worksheet, PicturesAnsweredOnHaveNoBox) {
    Harness h(test::started);
    for (const char* key : {"k1142", "k3163"}) {
        const WorksheetRequest request = worksheetForTopic(*h.form, key);
        ASSERT_EQ(request.error, "") << key;
        const std::size_t onPicture = textsOfClass(request.document, "blank on-picture").size();
        EXPECT_GT(onPicture, 0u) << key;
        EXPECT_EQ(textsOfClass(request.document, "blank").size(), onPicture) << key;
        EXPECT_TRUE(textsOfClass(request.document, "filled").empty()) << key;
    }
}

}  // namespace
}  // namespace tally
