// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "classroom/class_links.h"
#include "progress/classroom_values.h"

namespace tally {

// What the class's pages share: the document round a page's body, the
// pupils in the order of their names (never by marks), an answer's time.

// A whole page: its title, its own style on top of the shared one, its body.
std::string classPageHtml(const std::string& title, const std::string& style, const std::string& body);
// The teacher's links above a page ("添加学生", "打印这一页"…), which paper leaves out.
std::string linksBar(const std::vector<std::pair<ClassLink, std::string>>& links);
// The pupils by name, in the order of their 拼音 (then by id, for two of one name).
std::vector<Pupil> pupilsByName(std::vector<Pupil> pupils);
// Of each pupil and question, the answer that counts: the pupil's latest on
// that question of the assignment (a pupil may do it again).
std::vector<ClassAnswer> countedAnswers(const Assignment& assignment, const std::vector<ClassAnswer>& answers);
// "4.2秒"; "" for an answer without a time.
std::string secondsText(const std::optional<long long>& ms);
// "12月15日" of "2026-12-15", or "2026年12月15日" with the year; the text as
// it is when it is not a date.
std::string dayWords(const std::string& day, bool withYear = false);

}  // namespace tally
