#include "progress/sqlite_record.h"

#include <sqlite3.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <system_error>

namespace tally {
namespace {

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS sheet("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " marked_at TEXT NOT NULL, tab TEXT NOT NULL, topic TEXT NOT NULL, topic_key TEXT NOT NULL,"
    " drill_form TEXT NOT NULL, questions INTEGER NOT NULL, right_answers INTEGER NOT NULL,"
    " score INTEGER NOT NULL, seconds INTEGER NOT NULL);"
    "CREATE TABLE IF NOT EXISTS missed("
    " sheet_id INTEGER NOT NULL REFERENCES sheet(id), position INTEGER NOT NULL,"
    " question TEXT NOT NULL, typed TEXT NOT NULL, correct TEXT NOT NULL,"
    " answer_form TEXT NOT NULL DEFAULT '', topic_key TEXT NOT NULL DEFAULT '',"
    " topic TEXT NOT NULL DEFAULT '', mended INTEGER NOT NULL DEFAULT 0,"
    " PRIMARY KEY(sheet_id, position));";

// Version 1 kept a miss by its place on the sheet and had no re-drill: its
// misses take their sheet's topic and are never asked again.
constexpr const char* kFromVersion1 =
    "ALTER TABLE missed ADD COLUMN answer_form TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN topic_key TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN topic TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE missed ADD COLUMN mended INTEGER NOT NULL DEFAULT 0;"
    "UPDATE missed SET topic_key = (SELECT topic_key FROM sheet WHERE sheet.id = missed.sheet_id),"
    " topic = (SELECT topic FROM sheet WHERE sheet.id = missed.sheet_id);";

constexpr const char* kMissedColumns = "question, typed, correct, answer_form, topic_key, topic";

const char* formName(AnswerForm form) {
    switch (form) {
        case AnswerForm::None: return "";
        case AnswerForm::One: return "one";
        case AnswerForm::HoursMinutes: return "hours";
        case AnswerForm::Fraction: return "fraction";
    }
    return "";
}

AnswerForm formNamed(const std::string& name) {
    for (AnswerForm form : {AnswerForm::One, AnswerForm::HoursMinutes, AnswerForm::Fraction}) {
        if (name == formName(form)) return form;
    }
    return AnswerForm::None;
}

// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    void bind(int index, const std::string& text) {
        sqlite3_bind_text(stmt_, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, long long number) { sqlite3_bind_int64(stmt_, index, number); }
    int step() { return sqlite3_step(stmt_); }
    void reset() { sqlite3_reset(stmt_); }
    std::string text(int column) const {
        const auto* bytes = sqlite3_column_text(stmt_, column);
        return bytes ? std::string(reinterpret_cast<const char*>(bytes),
                                   static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
                     : std::string();
    }
    long long number(int column) const { return sqlite3_column_int64(stmt_, column); }

    // A row selected with kMissedColumns from its first column on.
    MissedQuestion missedQuestion() const {
        return {text(0), text(1), text(2), formNamed(text(3)), text(4), text(5)};
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// A child may mark a sheet while another copy of the program holds the file
// for a moment; wait that long before calling the record locked.
constexpr int kBusyMilliseconds = 250;

}  // namespace

SqliteRecord::SqliteRecord(const std::filesystem::path& file) {
    if (!open(file) || !createSchema()) {
        sqlite3_close(db_);
        db_ = nullptr;
    }
}

SqliteRecord::~SqliteRecord() { sqlite3_close(db_); }

void SqliteRecord::fail(const std::string& what) {
    error_ = what + (db_ ? std::string("：") + sqlite3_errmsg(db_) : std::string());
}

bool SqliteRecord::open(const std::filesystem::path& file) {
    std::error_code ec;
    if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
    if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        fail("打不开成绩记录");
        return false;
    }
    // SQLite quietly falls back to reading a file it may not write.
    if (sqlite3_db_readonly(db_, "main") == 1) {
        error_ = "成绩记录文件是只读的";
        return false;
    }
    sqlite3_busy_timeout(db_, kBusyMilliseconds);
    return exec("PRAGMA foreign_keys = ON");
}

bool SqliteRecord::exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK) return true;
    fail("成绩记录出错");
    return false;
}

int SqliteRecord::schemaVersion() {
    if (!db_) return -1;
    Statement query(db_, "PRAGMA user_version");
    if (!query.ok() || query.step() != SQLITE_ROW) return -1;
    return static_cast<int>(query.number(0));
}

bool SqliteRecord::createSchema() {
    // Reading the version is the first real read: a damaged file fails here.
    const int version = schemaVersion();
    if (version < 0) {
        fail("成绩记录文件坏了");
        return false;
    }
    if (version > kSchemaVersion) {
        error_ = "成绩记录文件来自更新的版本";
        return false;
    }
    if (version == kSchemaVersion) return true;
    if (!exec("BEGIN IMMEDIATE")) return false;
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
    const char* steps = version == 1 ? kFromVersion1 : kSchema;
    if (exec(steps) && exec(setVersion.c_str()) && exec("COMMIT")) return true;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
}

bool SqliteRecord::store(const MarkedSheet& sheet) {
    if (!db_) return false;
    if (!exec("BEGIN IMMEDIATE")) return false;
    if (insertSheet(sheet) && markMended(sheet.mended) && exec("COMMIT")) return true;
    const std::string reason = error_;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    error_ = reason;
    return false;
}

bool SqliteRecord::insertSheet(const MarkedSheet& sheet) {
    Statement insert(db_,
                     "INSERT INTO sheet(marked_at, tab, topic, topic_key, drill_form, questions, right_answers,"
                     " score, seconds) VALUES(COALESCE(NULLIF(?1, ''), datetime('now', 'localtime')),"
                     " ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
    if (!insert.ok()) return fail("成绩记录出错"), false;
    insert.bind(1, sheet.when);
    insert.bind(2, sheet.tabCaption);
    insert.bind(3, sheet.topicCaption);
    insert.bind(4, sheet.topicKey);
    insert.bind(5, sheet.drillForm);
    insert.bind(6, static_cast<long long>(sheet.questions));
    insert.bind(7, static_cast<long long>(sheet.right));
    insert.bind(8, static_cast<long long>(sheet.score));
    insert.bind(9, static_cast<long long>(sheet.seconds));
    if (insert.step() != SQLITE_DONE) return fail("成绩没有记下"), false;
    const long long sheetId = sqlite3_last_insert_rowid(db_);
    Statement miss(db_,
                   "INSERT INTO missed(sheet_id, position, question, typed, correct, answer_form, topic_key, topic)"
                   " VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    if (!miss.ok()) return fail("成绩记录出错"), false;
    long long position = 0;
    for (const MissedQuestion& question : sheet.missed) {
        miss.reset();
        miss.bind(1, sheetId);
        miss.bind(2, ++position);
        miss.bind(3, question.question);
        miss.bind(4, question.typed);
        miss.bind(5, question.correct);
        miss.bind(6, formName(question.form));
        miss.bind(7, question.topicKey);
        miss.bind(8, question.topicCaption);
        if (miss.step() != SQLITE_DONE) return fail("错题没有记下"), false;
    }
    return true;
}

std::vector<MarkedSheet> SqliteRecord::sheets() {
    std::vector<MarkedSheet> found;
    if (!db_) return found;
    Statement query(db_,
                    "SELECT id, marked_at, tab, topic, topic_key, drill_form, questions, right_answers, score,"
                    " seconds FROM sheet ORDER BY id DESC");
    if (!query.ok()) return fail("成绩记录读不出来"), found;
    while (query.step() == SQLITE_ROW) {
        MarkedSheet sheet;
        sheet.when = query.text(1);
        sheet.tabCaption = query.text(2);
        sheet.topicCaption = query.text(3);
        sheet.topicKey = query.text(4);
        sheet.drillForm = query.text(5);
        sheet.questions = static_cast<int>(query.number(6));
        sheet.right = static_cast<int>(query.number(7));
        sheet.score = static_cast<int>(query.number(8));
        sheet.seconds = static_cast<int>(query.number(9));
        sheet.missed = missedOf(query.number(0));
        found.push_back(std::move(sheet));
    }
    return found;
}

bool SqliteRecord::markMended(const std::vector<MissedQuestion>& mended) {
    if (mended.empty()) return true;
    Statement update(db_, "UPDATE missed SET mended = 1 WHERE topic_key = ?1 AND question = ?2");
    if (!update.ok()) return fail("成绩记录出错"), false;
    for (const MissedQuestion& question : mended) {
        update.reset();
        update.bind(1, question.topicKey);
        update.bind(2, question.question);
        if (update.step() != SQLITE_DONE) return fail("错题没有记下"), false;
    }
    return true;
}

std::vector<MissedQuestion> SqliteRecord::missedOf(long long sheetId) {
    std::vector<MissedQuestion> found;
    Statement query(db_, (std::string("SELECT ") + kMissedColumns +
                          " FROM missed WHERE sheet_id = ?1 ORDER BY position").c_str());
    if (!query.ok()) return found;
    query.bind(1, sheetId);
    while (query.step() == SQLITE_ROW) found.push_back(query.missedQuestion());
    return found;
}

std::vector<MissedQuestion> SqliteRecord::missed() {
    std::vector<MissedQuestion> found;
    if (!db_) return found;
    Statement query(db_, (std::string("SELECT ") + kMissedColumns +
                          " FROM missed ORDER BY sheet_id DESC, position").c_str());
    if (!query.ok()) return fail("成绩记录读不出来"), found;
    while (query.step() == SQLITE_ROW) found.push_back(query.missedQuestion());
    return found;
}

std::vector<MissedQuestion> SqliteRecord::redrillList(int limit) {
    std::vector<MissedQuestion> found;
    if (!db_ || limit <= 0) return found;
    // Newest first, so a question missed more than once is taken at its
    // latest miss; the rows are few enough to pass over once.
    Statement query(db_, (std::string("SELECT ") + kMissedColumns +
                          " FROM missed WHERE answer_form <> '' AND mended = 0 ORDER BY sheet_id DESC, position")
                             .c_str());
    if (!query.ok()) return fail("成绩记录读不出来"), found;
    std::set<std::pair<std::string, std::string>> taken;
    while (static_cast<int>(found.size()) < limit && query.step() == SQLITE_ROW) {
        MissedQuestion question = query.missedQuestion();
        if (taken.emplace(question.topicKey, question.question).second) found.push_back(std::move(question));
    }
    return found;
}

std::filesystem::path defaultRecordFile() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        return std::filesystem::path(xdg) / "tallymoo/record.sqlite";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".local/share/tallymoo/record.sqlite";
    }
    return {};
}

}  // namespace tally
