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

    void markRight() {
        ++questions;
        ++right;
    }
    void markWrong(std::string question, std::string typed, std::string correct) {
        ++questions;
        missed.push_back({std::move(question), std::move(typed), std::move(correct)});
    }
    void mark(bool isRight, std::string question, std::string typed, std::string correct) {
        if (isRight) {
            markRight();
        } else {
            markWrong(std::move(question), std::move(typed), std::move(correct));
        }
    }
};

// How a missed question is named in the record: its place on the sheet.
inline std::string questionLabel(int number) { return "第" + std::to_string(number) + "题"; }

}  // namespace tally
