#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "cli/cli_session.h"
#include "practice/practice_rows.h"
#include "sheets/worksheet.h"
#include "support/harness.h"

namespace tally {
namespace {

namespace fs = std::filesystem;

// One headless session a day over one record, as a family would use it: the
// day fixed with --today.
class PracticeMonth : public ::testing::Test {
protected:
    test::TestData data;
    test::TempFolder dir;
    fs::path recordFile = dir.path() / "record.sqlite";
    std::unique_ptr<CliSession> session;

    void startDay(const std::string& day, std::uint64_t seed = 7) {
        CliOptions options = test::cliOptions(data);
        options.seed = seed;
        options.loginPassword = "238";
        options.recordFile = recordFile;
        options.today = parseDay(day);
        session = std::make_unique<CliSession>(options);
        std::istringstream none;
        std::ostringstream ignored;
        session->run(none, ignored);
    }
    std::string run(const std::string& commands) {
        std::istringstream in(commands);
        std::ostringstream out;
        std::string line;
        while (std::getline(in, line)) session->execute(line, out);
        return out.str();
    }
    // The answer fields of the page, each with what its question asks.
    std::vector<FieldAnswer> fields(AnswerStyle style) {
        return worksheetAnswers(style, session->page().bodyHtml());
    }
    // Answers the sheet on the page right, except the field named `wrongField`.
    void answer(AnswerStyle style, const std::string& wrongField = "") {
        for (const FieldAnswer& field : fields(style)) {
            run("set " + field.field + " " + (field.field == wrongField ? "999999" : field.answer) + "\n");
        }
        run("finish\n");
    }
    // Today's practice answered; the question asked again (its text) right or wrong.
    void practise(const std::string& question, bool right) {
        run("today\npress todaystart\n");
        const auto& asked = session->form().todayPractice().questions;
        int number = 0;
        for (std::size_t i = 0; i < asked.size(); ++i) {
            if (asked[i].question.question == question) number = static_cast<int>(i) + 1;
        }
        ASSERT_GT(number, 0) << "not asked: " << question;
        answer(AnswerStyle::Mixed, right ? "" : "answer" + std::to_string(number));
    }
};

// One miss followed through a month: back the next day, then after 3 and 7
// days while it is answered right; a wrong answer starts it again at one day;
// four right answers on different days and it is learned.
TEST_F(PracticeMonth, AMissComesBackOnItsDays) {
    startDay("2026-09-01");
    run("click q13\n");
    const std::vector<FieldAnswer> first = fields(AnswerStyle::Exact);
    ASSERT_FALSE(first.empty());
    answer(AnswerStyle::Exact, first[0].field);
    const std::string missed = run("due\n");
    EXPECT_EQ(missed, ".\n") << "nothing is due on the day of the miss";

    startDay("2026-09-02");
    const std::string due = run("due\n");
    const std::regex line(R"(q13\t(\d+\+\d+= ?（　）)\t2026-09-02\n\.\n)");
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(due, parts, line)) << due;
    const std::string question = parts[1];

    // Each day of the month: what is due, and on the due days the practice.
    const struct {
        const char* day;
        bool due;
        bool right;  // the answer given on a due day
        const char* next;
    } month[] = {
        {"2026-09-02", true, true, "2026-09-05"},   {"2026-09-04", false, false, "2026-09-05"},
        {"2026-09-05", true, true, "2026-09-12"},   {"2026-09-11", false, false, "2026-09-12"},
        {"2026-09-12", true, false, "2026-09-13"},  {"2026-09-13", true, true, "2026-09-16"},
        {"2026-09-16", true, true, "2026-09-23"},   {"2026-09-23", true, true, "2026-10-09"},
        {"2026-10-09", true, true, ""},
    };
    for (const auto& day : month) {
        SCOPED_TRACE(day.day);
        startDay(day.day);
        const std::string before = run("due\n");
        EXPECT_EQ(before.find(question) != std::string::npos, day.due) << before;
        if (!day.due) continue;
        practise(question, day.right);
        // What the schedule says on the day it is next due.
        if (*day.next) {
            startDay(day.next);
            EXPECT_NE(run("due\n").find(question + "\t" + day.next), std::string::npos) << day.next;
        }
    }
    startDay("2026-12-31");
    EXPECT_EQ(run("due\n"), ".\n") << "learned after four right answers in a row";
    // The month's practice days are on the calendar of the record page.
    startDay("2026-10-09");
    run("toolbar w13\n");
    EXPECT_NE(session->ui().page2Html.find("今日练习"), std::string::npos);
    EXPECT_NE(session->ui().page2Html.find("练习日历"), std::string::npos);
    EXPECT_NE(session->ui().page2Html.find("今天的练习做完了"), std::string::npos) << session->ui().page2Html;
}

TEST_F(PracticeMonth, TheSameSeedAndRecordGiveTheSamePractice) {
    startDay("2026-09-01");
    run("click q13\n");
    answer(AnswerStyle::Exact, fields(AnswerStyle::Exact).at(0).field);
    const auto practiceOf = [&](std::uint64_t seed) {
        startDay("2026-09-02", seed);
        return run("today\npage\npress todaystart\npage\n");
    };
    const std::string first = practiceOf(7);
    EXPECT_NE(first.find("今天的练习：20道题，大约10分钟"), std::string::npos) << first;
    EXPECT_EQ(first, practiceOf(7));
    EXPECT_NE(first, practiceOf(8));
}

TEST_F(PracticeMonth, MasteryLinesAndTheirErrors) {
    startDay("2026-09-01");
    for (int i = 0; i < 3; ++i) {
        run("click q11\n");
        answer(AnswerStyle::Exact);
    }
    run("click q12\n");
    answer(AnswerStyle::Exact, fields(AnswerStyle::Exact).at(0).field);
    const std::string lines = run("mastery 加减乘除\n");
    EXPECT_TRUE(std::regex_match(lines, std::regex("q11\t10以内加法\t熟练\nq12\t[^\t\n]+\t练过\n\\.\n"))) << lines;
    EXPECT_EQ(run("mastery 没有这一页\n"), "error: no tab 没有这一页\n");
    EXPECT_EQ(run("marks maybe\n"), "error: marks on|off\n");
    // The tree the front end prints keeps its captions.
    EXPECT_EQ(run("tree\n").find("熟练"), std::string::npos);
}

}  // namespace
}  // namespace tally
