// SPDX-License-Identifier: GPL-3.0-or-later
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

// A headless session over one record, the day fixed with --today.
class PracticeMonth : public ::testing::Test {
protected:
    test::TestData data;
    test::TempFolder dir;
    fs::path recordFile = dir.path() / "record.sqlite";
    std::unique_ptr<CliSession> session;

    void startDay(const std::string& day) {
        CliOptions options = test::cliOptions(data);
        options.seed = 7;
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
};

TEST_F(PracticeMonth, MasteryLines) {
    startDay("2026-09-01");
    for (int i = 0; i < 3; ++i) {
        run("click q11\n");
        answer(AnswerStyle::Exact);
    }
    run("click q12\n");
    answer(AnswerStyle::Exact, fields(AnswerStyle::Exact).at(0).field);
    const std::string lines = run("mastery 加减乘除\n");
    EXPECT_TRUE(std::regex_match(lines, std::regex("q11\t10以内加法\t熟练\nq12\t[^\t\n]+\t练过\n\\.\n"))) << lines;
    // The tree the front end prints keeps its captions.
    EXPECT_EQ(run("tree\n").find("熟练"), std::string::npos);
}

}  // namespace
}  // namespace tally
