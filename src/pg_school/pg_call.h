// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <pqxx/pqxx>
#include <string>
#include <utility>

#include "progress/school_server.h"

namespace tally {

inline constexpr const char* kServerUnreachable = "连不上学校的服务器，先在这台电脑上做，等连上了再交给老师。";
inline constexpr const char* kSessionOver = "学生的登录过期了，请重新登录，做好的题会留在这台电脑上。";

// The SQLSTATE of a refusal ("42501"). libpqxx 6.4 throws the class of the
// state but may leave its text empty; then the class (and, among the data
// exceptions, the server's words) says which.
std::string sqlStateOf(const pqxx::sql_error& refused);
// What the one who asked reads when the server refused a statement.
std::string refusalText(const pqxx::sql_error& refused);
// Whether a failed connection was turned away (a wrong password) rather
// than not reached.
bool turnedAway(const pqxx::broken_connection& failed);
// "host=… user='x y'": a value as a connection string takes it.
std::string connectionValue(const std::string& value);

// Runs `body` in one transaction on the connection, opened first when it is
// not; a connection that broke is dropped, to be opened again next time.
template <typename Value, typename Body>
SchoolReply<Value> inTransaction(std::unique_ptr<pqxx::connection>& connection, const std::string& settings,
                                 Body&& body) {
    try {
        if (!connection || !connection->is_open()) connection = std::make_unique<pqxx::connection>(settings);
        pqxx::work work(*connection);
        Value value = body(work);
        work.commit();
        return {std::move(value)};
    } catch (const pqxx::broken_connection& failed) {
        connection.reset();
        if (turnedAway(failed)) return SchoolReply<Value>::refused("学校服务器不接受这台电脑的登录，请问问老师。");
        return SchoolReply<Value>::refused(kServerUnreachable, true);
    } catch (const pqxx::in_doubt_error&) {
        connection.reset();
        return SchoolReply<Value>::refused(kServerUnreachable, true);
    } catch (const pqxx::sql_error& refused) {
        return SchoolReply<Value>::refused(refusalText(refused));
    } catch (const pqxx::failure&) {
        connection.reset();
        return SchoolReply<Value>::refused(kServerUnreachable, true);
    }
}

}  // namespace tally
