// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <fstream>
#include <map>
#include <tuple>
#include <nlohmann/json.hpp>
#include <string>

#include "classroom/xapi_statements.h"
#include "sqlite_record/record_sheets.h"
#include "sqlite_record/sqlite_statement.h"
#include "support/harness.h"

namespace tally {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

TEST(XapiStatements, DurationsAreIso8601) {
    const std::pair<long long, const char*> cases[] = {
        {0, "PT0S"}, {4200, "PT4.2S"}, {50, "PT0.05S"}, {75000, "PT75S"}, {1234, "PT1.234S"}, {-5, "PT0S"}};
    for (const auto& [ms, duration] : cases) EXPECT_EQ(isoDuration(ms), duration) << ms;
}

// Each stored answer with an id as the file itself holds it: its sheet's
// time, topic, question, right, ms and its typed text (its miss's where the
// answer keeps none), by id.
std::map<std::string, std::vector<std::string>> storedAnswers(const fs::path& file) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    std::map<std::string, std::vector<std::string>> found;
    sqlite::Statement rows(db,
                           "SELECT a.answer_id, s.marked_at, a.topic_key, a.question, a.right_answer, a.ms,"
                           " coalesce(a.typed, (SELECT typed FROM missed m WHERE m.sheet_id = a.sheet_id AND m.question = a.question))"
                           " FROM answer_time a JOIN sheet s ON s.id = a.sheet_id WHERE a.answer_id IS NOT NULL");
    rows.eachRow([&] {
        for (int column = 1; column <= 6; ++column) found[rows.text(0)].push_back(rows.text(column));
        return true;
    });
    sqlite3_close(db);
    return found;
}

// The headless export of a child's sheets, read back line by line with a
// JSON reader: one statement per stored answer with an id, each field as the
// file holds the answer.
TEST(XapiStatements, TheExportHoldsEveryStoredAnswerAsTheFileKeepsIt) {
    test::TestData data;
    test::TempFolder dir;
    const fs::path file = dir.path() / "record.sqlite";
    {
        SqliteRecord record(file);
        const long long child = test::addedChild(record, "小明");
        MarkedSheet sheet = test::markedSheet("2026-12-09 09:00:00", "k1107", {}, child);
        sheet.assignment = "17";
        sheet.missed.push_back({"9＋6＝（　）", "14", "15", AnswerForm::One, "k1107", "口算"});
        sheet.times = {{"answer1", "k1107", "8＋5＝（　）", true, 4200, "5d1c0e0a-7f7b-4c1e-9a53-0d6f8e7a1b21", "13"},
                       {"answer2", "k1107", "9＋6＝（　）", false, 50, "0b0f3c55-2f1e-4b7a-8e0a-5c2f1d9e6a10"},
                       {"answer3", "k1107", "7＋7＝（　）", false, std::nullopt, "e0c1b7a2-3d4f-4a5b-b6c7-d8e9f0a1b2c3"}};
        sheet.missed.push_back({"7＋7＝（　）", "", "14", AnswerForm::One, "k1107", "口算"});
        ASSERT_TRUE(record.store(sheet));
        MarkedSheet old = test::markedSheet("2026-12-08 09:00:00", "q13", {}, child);
        old.times = {{"answer1", "q13", "1＋1＝（　）", true, 900}};  // marked before answers had ids
        ASSERT_TRUE(record.store(old));
    }
    const fs::path exported = dir.path() / "answers.jsonl";
    EXPECT_EQ(test::runCli(data, "xapi " + exported.string() + "\nquit\n", std::nullopt, file, "小明"), "3 statements\n");

    const auto stored = storedAnswers(file);
    ASSERT_EQ(stored.size(), 3u);
    std::ifstream lines(exported);
    int read = 0;
    for (std::string line; std::getline(lines, line); ++read) {
        const json statement = json::parse(line);
        const std::string id = statement.at("id");
        SCOPED_TRACE(id);
        ASSERT_EQ(stored.count(id), 1u);
        const std::vector<std::string>& row = stored.at(id);
        const auto& [when, topic, question, right, ms, typed] = std::tie(row[0], row[1], row[2], row[3], row[4], row[5]);
        EXPECT_EQ(statement.at("actor").at("name"), "小明");
        EXPECT_EQ(statement.at("actor").at("account"), json({{"homePage", kHomeAccounts}, {"name", "小明"}}));
        EXPECT_EQ(statement.at("verb"), json::parse(R"({"id": "http://adlnet.gov/expapi/verbs/answered",
                                                        "display": {"zh-CN": "回答了"}})"));
        EXPECT_EQ(statement.at("object").at("definition").at("name").at("zh-CN"), question);
        EXPECT_TRUE(statement.at("object").at("id").get<std::string>().starts_with("urn:tallymoo:topic:" + topic + ":"));
        EXPECT_EQ(statement.at("context").at("contextActivities").at("parent").at(0).at("id"), "urn:tallymoo:topic:" + topic);
        const json& result = statement.at("result");
        EXPECT_EQ(result.at("success"), right == "1");
        EXPECT_EQ(result.value("response", "(none)"), right == "1" && typed.empty() ? "(none)" : typed);
        const std::string duration = result.value("duration", "");
        EXPECT_EQ(ms.empty() ? "" : std::to_string(std::lround(std::stod(duration.substr(2)) * 1000)), ms);
        EXPECT_EQ(statement.at("timestamp"), when.substr(0, 10) + "T" + when.substr(11) + "+08:00");
    }
    EXPECT_EQ(read, 3);
}

}  // namespace
}  // namespace tally
