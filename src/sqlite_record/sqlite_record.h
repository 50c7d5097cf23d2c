// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "progress/progress_record.h"
#include "sqlite_record/record_schema.h"
#include "sqlite_record/waiting_journal.h"

struct sqlite3;

namespace tally {

// The progress record in one SQLite file, created on first use. The schema's
// version is kept in PRAGMA user_version; each sheet is one transaction.
//
// Two programs may use one file at once (two windows, two accounts of one
// computer user): the file is kept in WAL mode, so a reader never holds up a
// writer for long, and a store waits for the other program for seconds and
// then tries once more. A sheet that still could not be stored waits, in the
// journal beside the record, and is stored on its own before the next one
// (or before the next read, or when the record is next opened); a file that
// could not be opened is tried again on the next call. A record found
// damaged is not written to again by this program.
class SqliteRecord : public ProgressRecord {
public:
    static constexpr int kSchemaVersion = sqlite::kSchemaVersion;
    // How long one attempt waits for another program that holds the file.
    static constexpr int kBusyMilliseconds = 3000;

    // How long a history a copy made afresh sorts in memory (about 45 MB);
    // a longer one SQLite sorts, slower, in a bounded memory.
    static constexpr long long kHeldHistoryRows = 400000;

    // Opens (and if needed creates) the file; ok() tells whether it worked.
    explicit SqliteRecord(std::filesystem::path file, int busyMilliseconds = kBusyMilliseconds,
                          long long heldHistoryRows = kHeldHistoryRows);
    ~SqliteRecord() override;
    SqliteRecord(const SqliteRecord&) = delete;
    SqliteRecord& operator=(const SqliteRecord&) = delete;

    bool ok() const { return db_ != nullptr; }
    int schemaVersion();
    int waitingSheets() const override { return static_cast<int>(waiting_.size()); }

    bool store(const MarkedSheet& sheet) override;
    std::vector<MarkedSheet> sheets(long long childId) override;
    std::vector<MarkedSheet> latestSheets(long long childId, int limit) override;
    std::vector<MissedQuestion> missed(long long childId) override;
    std::vector<MissedQuestion> redrillList(long long childId, int limit) override;
    std::optional<RecordSummary> summary(long long childId, const RecordPageLimits& limits) override;
    std::vector<DatedAnswer> answerHistory(long long childId) override;
    std::vector<DatedAnswer> answerHistorySince(long long childId, long long afterSheet, long long& lastSheet) override;
    std::optional<ReviewStanding> reviewStanding(long long childId) override;
    std::vector<ReviewState> reviewStates(long long childId, const std::vector<QuestionKey>& keys) override;
    std::vector<ReviewState> dueReviews(long long childId, int today, long long limit) override;
    int dueReviewCount(long long childId, int today) override;
    bool keepReview(long long childId, const std::vector<QuestionKey>& keys, const std::vector<ReviewState>& states,
                    const ReviewStanding& from, long long through) override;
    bool remakeReview(long long childId, const ReviewStanding& from, const QuestionState& stateOf,
                      long long& through) override;
    std::vector<MarkedSheet> recentTopicSheets(long long childId, const std::vector<std::string>& topicKeys,
                                               int perTopic) override;
    std::vector<TopicShare> topicShares(long long childId, const std::vector<std::string>& topicKeys,
                                        int practices) override;
    std::vector<TimedAnswer> lastAnswers(long long childId, const std::string& topicKey, int perQuestion) override;
    std::vector<TimedAnswer> lastAnswersOf(long long childId, const std::vector<std::string>& questions, int perQuestion,
                                           const std::string& before = "") override;
    std::vector<TimedAnswer> answersSince(long long childId, const std::string& fromDay) override;
    std::vector<KindCount> errorKindsSince(long long childId, const std::string& fromDay) override;
    std::vector<TimedAnswer> topicAnswers(long long childId, const std::vector<std::string>& topicKeys) override;
    RecordTrouble trouble() const override { return trouble_; }
    std::string lastError() const override { return error_; }

    std::vector<Child> children() override;
    std::string addChild(const std::string& name, int grade) override;
    std::string renameChild(long long childId, const std::string& name) override;
    std::string setChildGrade(long long childId, int grade) override;
    std::string removeChild(long long childId) override;
    std::string giveEarlierSheets(long long childId) override;
    int earlierSheetCount() override;
    std::optional<ChildSettings> settings(long long owner) override;
    bool saveSettings(long long owner, const ChildSettings& settings) override;
    long long lastChild() override;
    void setLastChild(long long childId) override;
    PasswordCopy passwordCopy(const std::string& place) override;
    bool keepPasswordCopy(const std::string& place, const std::string& hash) override;
    std::vector<SkillMix> savedMixes(long long owner) override;
    std::string saveMix(long long owner, const SkillMix& mix) override;
    std::string removeMix(long long owner, const std::string& name) override;
    std::optional<KeptPractice> keptPractice(long long owner) override;
    bool keepPractice(long long owner, const KeptPractice& kept) override;
    std::vector<FluencyNorm> fluencyNorms() override;
    std::string saveFluencyNorm(const FluencyNorm& norm) override;
    bool keepPrintedSheet(const PrintedSheet& sheet) override;
    std::optional<PrintedSheet> printedSheet(const std::string& code) override;
    std::vector<PrintedSheet> printedSheets(long long childId, int limit) override;
    std::optional<std::string> paperMarkedOn(long long childId, const std::string& code) override;
    bool replacePaperSheet(const MarkedSheet& sheet) override;
    std::vector<ClassAnswer> unsentAnswers(long long childId, int limit) override;
    int unsentCount(long long childId) override;
    bool markSent(const std::vector<std::string>& answerIds) override;
    bool setAsideRefused(const std::string& answerId, const std::string& reason) override;
    int refusedCount(long long childId) override;
    // Every answer of the child's sheets that has its id, at home or for a
    // class, sent or not, oldest first (what the xAPI export writes).
    std::vector<ClassAnswer> answersWithIds(long long childId);
    std::vector<ClassAnswer> assignmentAnswers(long long childId) override;

private:
    std::filesystem::path file_;
    int busyMilliseconds_;
    long long heldHistoryRows_;
    sqlite3* db_ = nullptr;
    std::string error_;
    RecordTrouble trouble_ = RecordTrouble::None;
    // A sheet not yet in the file, and its number and token in the journal
    // (0 and "": not in the journal either).
    struct Waiting {
        MarkedSheet sheet;
        long long journalNumber = 0;
        std::string journalToken;
    };
    std::vector<Waiting> waiting_;
    WaitingJournal journal_;
    bool damaged_ = false;
    bool mendTried_ = false;

    bool ensureOpen();
    void closeFileToOthers();
    bool open();
    void close();
    bool exec(const char* sql);
    bool createSchema();
    void prepareForSharing();
    bool transaction(const auto& body);
    // The same, for the code of the other files.
    bool inTransaction(const std::function<bool()>& body);
    bool storeWaiting();
    bool storeOne(const Waiting& waiting);
    // Whether a sheet kept under this journal token is in the file already;
    // if not, the token is kept with the sheet about to be stored.
    bool storedFromJournal(const std::string& token, bool& already);
    void keepInJournal();
    bool insertSheet(const MarkedSheet& sheet);
    // Whether the record names the child (kEarlierRecords always).
    bool childKnown(long long childId, bool& known);
    bool guardChildren();
    bool markMended(long long childId, const std::vector<MissedQuestion>& mended);
    bool readChildren(std::vector<Child>& found);
    // A mix's row and its parts, in place of those of its name; inside a transaction.
    bool writeMix(long long owner, const SkillMix& mix);
    bool roomForMix(long long owner, const std::string& name, bool& room);
    // The practice's rows in place of the owner's; inside a transaction.
    bool writeKeptPractice(long long owner, const KeptPractice& kept);
    std::string changeChildren(const std::function<std::string(const std::vector<Child>&)>& change);
    // The misses and right answers of the child's sheets after `afterSheet`,
    // as columns: when, the question (5), topic, right, sheet, position.
    std::optional<std::string> historyQuery(const char* order);
    bool readHistory(long long childId, long long afterSheet, std::vector<DatedAnswer>& found);
    bool streamReview(long long childId, const QuestionState& stateOf);
    // The history's questions one at a time, to `question`: sorted in
    // memory, or by SQLite when it is long.
    bool eachQuestionHeld(long long childId, long long rows,
                          const std::function<bool(const std::vector<DatedAnswer>&)>& question);
    bool eachQuestionSorted(long long childId, const std::function<bool(const std::vector<DatedAnswer>&)>& question);
    bool noteThrough(long long childId, long long through, long long drops);
    // Makes the review tables, or moves an older copy's on; inside a transaction.
    bool makeReviewTables();
    bool readStanding(long long childId, ReviewStanding& standing);
    // Whether the child's copy still stands where a catch-up found it (the
    // child named, no sheet given or copy dropped since); inside a transaction.
    bool copyStandsAt(long long childId, const ReviewStanding& from, bool& moved);
    bool writeReview(long long childId, const std::vector<QuestionKey>& keys, const std::vector<ReviewState>& states);
    // Drops a child's copy of the review schedule, to be worked out again
    // from the child's sheets, and leaves the mark of the drop; inside a
    // transaction. Without the mark when the child goes for good.
    bool forgetReview(long long childId, bool markDrop = true);
    // After a read of the review copy met a damaged file: when the damage is
    // in the copy alone, takes it out to be worked out again (once a
    // program); true when it did.
    bool mendDerivedTables();
    // Runs a read of the review copy, and once more when it met damage the
    // copy alone held.
    bool readReview(const std::function<bool()>& read);
    bool insertAnswers(long long sheetId, const std::vector<AnsweredQuestion>& answered);
    bool insertTimes(long long sheetId, const std::vector<AnswerTime>& times);
    bool readSheets(const char* sql, long long childId, long long limit, std::vector<MarkedSheet>& found);
    // The child's answers with ids, oldest first, at most `limit` (-1: all);
    // only those of an assignment not yet sent when `unsentOnly`.
    bool readClassAnswers(long long childId, bool unsentOnly, long long limit, std::vector<ClassAnswer>& found);
    bool readTopics(long long childId, const RecordPageLimits& limits, RecordSummary& summary);
    bool readMostMissed(long long childId, const RecordPageLimits& limits, RecordSummary& summary);
    // A topic's misses: how many, the latest sheet that has one, its caption.
    struct MissCount {
        long long misses = 0;
        long long latestSheet = 0;
        std::string caption;
    };
    bool countAllMisses(std::map<std::string, MissCount>& byKey);
    bool countChildsMisses(long long childId, std::map<std::string, MissCount>& byKey);
    // Whether every sheet of the record is this child's: then the figures of
    // the whole record are the child's.
    bool wholeRecordIs(long long childId);
    bool failed(const std::string& what);
    bool failed(const std::string& what, RecordTrouble trouble);
    void worked();
};

// The record's default file: XDG_DATA_HOME/tallymoo/record.sqlite, else
// ~/.local/share/tallymoo/record.sqlite; empty when neither is known.
std::filesystem::path defaultRecordFile();

}  // namespace tally
