#pragma once
#include <string>
#include <vector>

#include "sheets/sheet.h"
#include "shell/ports.h"

namespace tally {

class Form1;

inline constexpr int kWordProblemsPerSheet = 10;

// The grade file of a word-problem topic: "?7" 一年级, "?6" 二年级, "?9" 三年级;
// "" for any other topic number.
std::string wordProblemFile(int topic);

// A sheet drawn from the text of a grade file, or the message that tells the
// parent why there is none.
struct WordProblemSheet {
    std::string html;
    std::string message;
};

// Up to ten different templates of the file, shown in file order with their
// numbers drawn; lines that are not templates are skipped.
WordProblemSheet wordProblemSheet(const std::string& fileName, const std::string& text,
                                  RandomSource& random);

// The word-problem topics: the sheet, or a "提示" message and the page left as it was.
void buildWordProblemSheet(Form1& form, int topic, Sheet& sheet);

// Marks each answer against the first part of its field's tag (the unit too)
// and shows the worked solution beside it, then the score and the time.
void gradeWordProblems(Form1& form);

}  // namespace tally
