#pragma once
#include <filesystem>
#include <string>

#include "progress/progress_record.h"

struct sqlite3;

namespace tally {

// The progress record in one SQLite file, created on first use. The schema's
// version is kept in PRAGMA user_version; each sheet is one transaction.
class SqliteRecord : public ProgressRecord {
public:
    static constexpr int kSchemaVersion = 2;

    // Opens (and if needed creates) the file; ok() tells whether it worked.
    explicit SqliteRecord(const std::filesystem::path& file);
    ~SqliteRecord() override;
    SqliteRecord(const SqliteRecord&) = delete;
    SqliteRecord& operator=(const SqliteRecord&) = delete;

    bool ok() const { return db_ != nullptr; }
    int schemaVersion();

    bool store(const MarkedSheet& sheet) override;
    std::vector<MarkedSheet> sheets() override;
    std::vector<MissedQuestion> missed() override;
    std::vector<MissedQuestion> redrillList(int limit) override;
    std::string lastError() const override { return error_; }

private:
    sqlite3* db_ = nullptr;
    std::string error_;

    bool open(const std::filesystem::path& file);
    bool exec(const char* sql);
    bool createSchema();
    bool insertSheet(const MarkedSheet& sheet);
    bool markMended(const std::vector<MissedQuestion>& mended);
    std::vector<MissedQuestion> missedOf(long long sheetId);
    void fail(const std::string& what);
};

// The record's default file: XDG_DATA_HOME/tallymoo/record.sqlite, else
// ~/.local/share/tallymoo/record.sqlite; empty when neither is known.
std::filesystem::path defaultRecordFile();

}  // namespace tally
