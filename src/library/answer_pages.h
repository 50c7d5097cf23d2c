// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The answer topics: #2037…#2059 answer the grade papers #2001…#2023 and
// #2060…#2072 the Olympiad papers #2024…#2036, in the same order. Their
// answers are the built-in texts "Text3_00" … "Text3_35" (HTML fragments).
bool isAnswerTopic(int topic);
// "Text3_07" for index 7.
std::string answerTextName(int index);

// The readable page of a paper's answers: "<h1>" title "</h1>" and the
// answers in the reading frame; with no answers, the missing-page note.
std::string answerPage(const std::string& title, const std::string& answersHtml);

// The page of an answer topic, headed with its caption in the tree.
std::string answerPageOf(int topic, const std::string& caption);

}  // namespace tally
