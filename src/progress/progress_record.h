#pragma once
#include <string>
#include <vector>

namespace tally {

// How a missed question takes its answer, so a re-drill can ask it again and
// mark it as its own sheet did; None cannot be asked again (a card hand, a
// sequence to remember, a question known only by its place).
enum class AnswerForm { None, One, HoursMinutes, Fraction };

// A question the child got wrong, as the sheet showed it.
struct MissedQuestion {
    // The question's text with every answer field written as kAnswerBlank;
    // lines of a column sum are kept apart by "\n".
    std::string question;
    std::string typed;
    std::string correct;
    AnswerForm form = AnswerForm::None;
    // The topic the question came from (a re-drill sheet keeps its origins).
    std::string topicKey{};
    std::string topicCaption{};

    bool operator==(const MissedQuestion&) const = default;
};

// Where an answer field stood in a question's text.
inline constexpr const char* kAnswerBlank = "（　）";

// One marked sheet: what a family marked on it (questions, right, score,
// seconds, misses), and, filled in by the main window, where it came from.
struct MarkedSheet {
    std::string when;  // "YYYY-MM-DD HH:MM:SS", local time; stamped by the record
    std::string tabCaption;
    std::string topicCaption;
    std::string topicKey{};
    std::string drillForm;
    int questions = 0;
    int right = 0;
    int score = 0;
    int seconds = 0;
    std::vector<MissedQuestion> missed;
    // Questions of the re-drill list answered right on this sheet: they leave
    // the list in the same transaction that stores the sheet.
    std::vector<MissedQuestion> mended;

    // Counted while a sheet is marked, question by question.
    void markRight() {
        ++questions;
        ++right;
    }
    void markWrong(std::string question, std::string typed, std::string correct, AnswerForm form) {
        ++questions;
        missed.push_back({std::move(question), std::move(typed), std::move(correct), form, {}, {}});
    }
    void mark(bool isRight, std::string question, std::string typed, std::string correct,
              AnswerForm form = AnswerForm::None) {
        if (isRight) {
            markRight();
        } else {
            markWrong(std::move(question), std::move(typed), std::move(correct), form);
        }
    }

    bool operator==(const MarkedSheet&) const = default;
};

// How a missed question that cannot be asked again is named in the record:
// its place on the sheet.
inline std::string questionLabel(int number) { return "第" + std::to_string(number) + "题"; }

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
    // The questions still to practise: missed, not yet answered right in a
    // re-drill, each once (its latest miss), newest first, at most `limit`.
    virtual std::vector<MissedQuestion> redrillList(int limit) = 0;
    virtual std::string lastError() const = 0;
};

}  // namespace tally
