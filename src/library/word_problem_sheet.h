// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "base/ports.h"
#include "topics/topic_family.h"

namespace tally {

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

// Where a sheet's units stand: typed by the child after the number, or, for
// grades 1 and 2, who cannot type a Chinese character yet, printed after the
// box, so the number alone is the answer.
enum class UnitPlace { Typed, AfterBox };
// The unit place of a word-problem topic, by its number or its grading key.
UnitPlace unitPlaceOf(int topic);
UnitPlace unitPlaceOf(const std::string& gradingKey);

// How far into a grade file a sheet draws: the templates before its line
// "# 下学期" (those of 上学期), or all of them. A file without that line, or
// with nothing before it, gives all.
enum class TermReach { FirstTerm, BothTerms };
// A child in the file's own grade before its 下学期 gets 上学期's problems.
TermReach termReachOf(int topic, const SchoolStage& stage);

// Up to ten different templates of the file within `reach`, shown in file
// order with their numbers drawn; lines that are not templates are skipped.
WordProblemSheet wordProblemSheet(const std::string& fileName, const std::string& text, RandomSource& random,
                                  UnitPlace units = UnitPlace::Typed, TermReach reach = TermReach::BothTerms);

// 应用题 ("?0", and one topic per grade file): ten templates of the grade's
// file drawn into a sheet, or a "提示" message and the page left as it was.
// Each answer is marked against the first part of its field's tag (the unit
// too, unless it is printed after the box), in any of its written forms, and
// the worked solution is shown beside it, then the score and the time.
class WordProblemFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;
    std::optional<AnswerStyle> answerStyle(const std::string&) const override { return AnswerStyle::WordProblem; }
};

}  // namespace tally
