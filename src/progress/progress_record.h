#pragma once
#include <string>
#include <vector>

namespace tally {

// A question the child got wrong, as the sheet showed it.
struct MissedQuestion {
    std::string question;
    std::string typed;
    std::string correct;

    bool operator==(const MissedQuestion&) const = default;
};

// One marked sheet as the record keeps it.
struct MarkedSheet {
    std::string when;  // "YYYY-MM-DD HH:MM:SS", local time; stamped by the record
    std::string tabCaption;
    std::string topicCaption;
    std::string topicKey;
    std::string drillForm;
    int questions = 0;
    int right = 0;
    int score = 0;
    int seconds = 0;
    std::vector<MissedQuestion> missed;

    bool operator==(const MarkedSheet&) const = default;
};

// The outside store of marked sheets. Every failure is reported as false or
// as an empty answer with a reason in lastError(); the store never throws.
class ProgressRecord {
public:
    virtual ~ProgressRecord() = default;
    // Stores one sheet, all of it or nothing; stamps `when` when it is empty.
    virtual bool store(const MarkedSheet& sheet) = 0;
    // The stored sheets, newest first.
    virtual std::vector<MarkedSheet> sheets() = 0;
    // The missed questions of all sheets, newest sheet first.
    virtual std::vector<MissedQuestion> missed() = 0;
    virtual std::string lastError() const = 0;
};

}  // namespace tally
