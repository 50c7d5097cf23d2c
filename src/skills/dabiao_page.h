// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "progress/fluency_norm.h"
#include "progress/record_values.h"
#include "skills/dabiao_norms.h"
#include "skills/ready_mixes.h"
#include "skills/skill_question.h"

namespace tally {

// The 口算达标 nodes of the 口算 tab, right after 口算卷.
inline constexpr const char* kDabiaoKey = "dabiao";
inline constexpr const char* kDabiaoCaption = "口算达标";
inline constexpr const char* kDabiaoTag = "达1";
inline constexpr const char* kNormsKey = "dabiaonorms";
inline constexpr const char* kNormsCaption = "达标标准";
inline constexpr const char* kNormsTag = "达2";

// The start page's fields and buttons.
inline constexpr const char* kDabiaoMinutesField = "dabiaominutes";
inline constexpr const char* kDabiaoWordsField = "dabiaowords";
inline constexpr const char* kDabiaoGoButton = "dabiaogo";
inline constexpr const char* kDabiaoStartButton = "dabiaostart";  // then the mix's place in the list, from 1
// A running test's page.
inline constexpr const char* kDabiaoPageId = "dabiaotest";
inline constexpr const char* kDabiaoAnswerField = "dabiaoanswer";
inline constexpr const char* kDabiaoSecondField = "dabiaosecond";  // a question's second box
inline constexpr const char* kDabiaoLeftId = "dabiaoleft";
inline constexpr const char* kDabiaoSaidId = "dabiaosaid";
// The norm page's button; its fields are normpass<i>, normgood<i>, normexcellent<i>.
inline constexpr const char* kNormSaveButton = "normsave";

// The start page: the minutes (1, 3 or 5), each listed mix with its 开始
// button, and the words of a mix of one's own.
std::string dabiaoStartHtml(const std::vector<ListedMix>& mixes, int minutes);

// A question on the large face, its picture above it, the seconds left and
// what happened last. Its field is kDabiaoAnswerField: a box, the hidden
// field a picture answered on writes, or the first of two boxes, the second
// kDabiaoSecondField.
std::string dabiaoQuestionHtml(const SkillQuestion& question, int secondsLeft, int done, const std::string& said);
// "2:05".
std::string clockText(int seconds);

// What a test came to, as its result page shows it.
struct DabiaoResult {
    int minutes = 1;
    int done = 0;
    int right = 0;
    std::optional<MixNorm> norm;
    std::vector<MissedQuestion> missed;
    bool showAnswers = false;
};
// The rate, the counts, the band against the norm (or why there is none)
// and the wrong answers, their right answers for the parent only.
std::string dabiaoResultHtml(const DabiaoResult& result);

// The norm table: inputs for the parent, the table as text for a child.
std::string normsHtml(const std::vector<FluencyNorm>& table, bool editable);
// The field names of row i of the norm page.
std::string normField(const char* band, std::size_t row);

}  // namespace tally
