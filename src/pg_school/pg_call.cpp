// SPDX-License-Identifier: GPL-3.0-or-later
#include "pg_school/pg_call.h"

#include <map>

namespace tally {

std::string sqlStateOf(const pqxx::sql_error& refused) {
    if (!refused.sqlstate().empty()) return refused.sqlstate();
    const std::string words = refused.what();
    if (dynamic_cast<const pqxx::insufficient_privilege*>(&refused)) return "42501";
    if (dynamic_cast<const pqxx::plpgsql_no_data_found*>(&refused)) return "P0002";
    if (dynamic_cast<const pqxx::unique_violation*>(&refused)) return "23505";
    if (dynamic_cast<const pqxx::check_violation*>(&refused)) return "23514";
    if (dynamic_cast<const pqxx::foreign_key_violation*>(&refused)) return "23503";
    if (dynamic_cast<const pqxx::data_exception*>(&refused)) {
        if (words.find("PIN") != std::string::npos) return "22023";
        if (words.find("date") != std::string::npos || words.find("out of range") != std::string::npos) return "22008";
        return "22P02";
    }
    return "";
}

std::string refusalText(const pqxx::sql_error& refused) {
    static const std::map<std::string, std::string> texts = {
        {"42501", "学校服务器不允许这样做。"},
        {"P0002", "没有这个班级或学生，或者不是您的班级。"},
        {"23505", "已经有这个名字了，请换一个。"},
        {"23514", "名字或数目不合要求：班级名最多40个字，学生名最多12个字，题数是1到100。"},
        {"22023", "学生的密码要用4到8位数字。"},
        {"22007", "日期要写成年-月-日，比如2026-12-20。"},
        {"22008", "日期要写成年-月-日，比如2026-12-20。"},
        {"22P02", "有一个数写得不对。"},
        {"23503", "没有这份练习。"},
    };
    const auto found = texts.find(sqlStateOf(refused));
    return found != texts.end() ? found->second : "学校服务器出错了：" + std::string(refused.what());
}

bool turnedAway(const pqxx::broken_connection& failed) {
    const std::string why = failed.what();
    return why.find("authentication failed") != std::string::npos ||
           why.find("no pg_hba.conf entry") != std::string::npos ||
           why.find("does not exist") != std::string::npos;
}

std::string connectionValue(const std::string& value) {
    std::string quoted = "'";
    for (const char c : value) {
        if (c == '\'' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

}  // namespace tally
