#pragma once
#include <string>
#include <vector>

#include "progress/progress_record.h"

namespace tally {

// What one grading branch marked on a sheet, gathered while it marks.
struct SheetMarks {
    int questions = 0;
    int right = 0;
    int score = 0;
    int seconds = 0;
    std::vector<MissedQuestion> missed;
    // Re-drill sheets only: the questions answered right this time.
    std::vector<MissedQuestion> mended;

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
};

// How a missed question that cannot be asked again is named in the record:
// its place on the sheet.
inline std::string questionLabel(int number) { return "第" + std::to_string(number) + "题"; }

}  // namespace tally
