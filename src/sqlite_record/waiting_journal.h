// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "progress/record_values.h"

struct sqlite3;

namespace tally {

// The sheets marked but not yet in the record, kept on disk beside it while
// the record cannot take them (a full disk, a file held by another program,
// a damaged record), so that none is lost when the program ends. A small
// SQLite file of its own, readable by its user only, made when the first
// sheet has to wait and removed when the last one is stored.
class WaitingJournal {
public:
    // A sheet in the journal: its number there and the token it was kept
    // under, which the record keeps with the sheet once it is stored, so a
    // sheet stored just before a crash is not stored again from the journal.
    struct Entry {
        long long number = 0;
        std::string token;
        MarkedSheet sheet;
    };

    explicit WaitingJournal(std::filesystem::path file);
    ~WaitingJournal();
    WaitingJournal(const WaitingJournal&) = delete;
    WaitingJournal& operator=(const WaitingJournal&) = delete;

    // The journal kept beside a record file.
    static std::filesystem::path beside(const std::filesystem::path& record);

    // The waiting sheets, oldest first; none when there is no journal or it
    // cannot be read.
    std::vector<Entry> read();
    // Keeps one sheet under a new token; nothing when it could not be written.
    std::optional<Entry> add(const MarkedSheet& sheet);
    // Takes out a sheet that is stored; the journal goes with the last one.
    void remove(long long number);

private:
    std::filesystem::path file_;
    sqlite3* db_ = nullptr;

    bool open(bool create);
    void close();
    // Adds the columns added since to a journal an older program made.
    bool keepsNewColumns();
    bool addQuestions(long long number, const MarkedSheet& sheet);
    bool readQuestions(long long number, MarkedSheet& sheet);
    bool addTimes(long long number, const MarkedSheet& sheet);
    bool readTimes(long long number, MarkedSheet& sheet);
};

}  // namespace tally
