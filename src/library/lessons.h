// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "topics/topic_family.h"

namespace tally {

// A lesson of 同步教学, as its file data/lessons/<grade>/<NNN>.txt holds it:
//   练习=<drill key, several separated by commas, or nothing>
//   <HTML: key points, worked examples, and without a drill a few questions>
//   答案=<HTML: the answers of those questions, to the end of the file>
struct Lesson {
    std::string practiceKey;
    std::string html;
    std::string answersHtml;
};

// Reads a lesson's text (UTF-8, CR LF or LF). A text without the "练习="
// line is all lesson and no drill.
Lesson parseLesson(const std::string& text);

// The 同步教学 topics: the root 5333, the grades 533302…533307 and their
// lessons 5333GGNNN (GG = grade + 1, NNN the line of the grade's list).
bool isLessonTopic(int topic);
// "lessons/<grade>/<NNN>.txt" for a lesson, "" for the root and the grades.
std::string lessonFilePath(int topic);

// 同步教学 and its summaries ("{5333", the grades, the lessons; "{5222" and
// the half-years). A lesson page ends in its drill's own sheet, marked as
// that drill marks it (the drill's key becomes the grading key); the clock
// drill gets a button that shows the clock; a lesson without a drill ends in
// the "查看答案" button of its answers.
class LessonFamily : public TopicFamily {
public:
    bool builds(const TopicTagParts& tag) const override;
    TopicSections topics(const std::string& tab, const DataDirectory& data) const override;
    // The fixed questions of a lesson without a drill: their answers are revealed.
    bool marks(const std::string& gradingKey) const override;
    void build(FamilyContext& context, const TopicClick& click, Sheet& sheet) override;
    std::optional<MarkedSheet> mark(FamilyContext& context, const std::string& gradingKey) override;

    // The clock drill's button shows the clock.
    std::optional<MarkedSheet> clicked(FamilyContext& context, const std::string& gradingKey,
                                       const std::string& elementName) override;
};

}  // namespace tally
