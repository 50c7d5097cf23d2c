// SPDX-License-Identifier: GPL-3.0-or-later
#include "skills/skill_question_lookup.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <utility>

#include "page/html_page.h"
#include "skills/skill_page.h"

namespace tally {
namespace {

// The text without its blanks, signs of equality and line breaks, as alike
// on the sheet ("（　）", the steps of 脱式 a line each, the …… before a
// remainder's box) and in the question ("□", "○", nothing after ＝).
std::string bareText(std::string text) {
    for (const std::string_view blank : {std::string_view(kAnswerBlank), std::string_view("□"), std::string_view("○"),
                                         std::string_view("＝"), std::string_view("\n"), std::string_view("……")}) {
        for (std::size_t at = text.find(blank); at != std::string::npos; at = text.find(blank, at)) text.erase(at, blank.size());
    }
    return text;
}

// A question with a prompt is read with its number ("第2题：化简比：…"),
// which a sheet of one question writes otherwise.
std::string_view withoutNumber(std::string_view text) {
    static const std::string_view kHead = "第", kTail = "题：";
    if (!text.starts_with(kHead)) return text;
    const std::size_t tail = text.find(kTail);
    const std::string_view number = text.substr(kHead.size(), tail - kHead.size());
    if (tail == std::string_view::npos || number.empty() ||
        number.find_first_not_of("0123456789") != std::string_view::npos) {
        return text;
    }
    return text.substr(tail + kTail.size());
}

std::uint64_t textHash(const std::string& text) { return std::hash<std::string>{}(bareText(std::string(withoutNumber(text)))); }

// Each question's number by the hash of its bare text, sorted: a few bytes a
// question, however long the texts.
using TextIndex = std::vector<std::pair<std::uint64_t, std::uint32_t>>;

const TextIndex& indexOf(const SkillRow& skill) {
    static std::mutex guard;
    static std::map<std::string, std::unique_ptr<TextIndex>> indexes;
    const std::lock_guard lock(guard);
    std::unique_ptr<TextIndex>& index = indexes[skill.key];
    if (!index) {
        index = std::make_unique<TextIndex>();
        const std::size_t size = skill.questions->size();
        index->reserve(size);
        for (std::size_t i = 0; i < size; ++i) {
            index->emplace_back(textHash(skill.questions->question(i).text), static_cast<std::uint32_t>(i));
        }
        std::sort(index->begin(), index->end());
    }
    return *index;
}

// The question as a one-question sheet of the skill marks it left empty.
std::optional<MissedQuestion> asMarked(const SkillRow& skill, const SkillQuestion& question) {
    HtmlPage page;
    page.setBody(skillSheetHtml({{&skill, question}}, DrillForm::Normal));
    const MarkedSheet marks = markSkillSheet(page, 1, 0);
    if (marks.missed.size() != 1 || marks.missed[0].form == AnswerForm::None) return std::nullopt;
    MissedQuestion asked = marks.missed[0];
    asked.typed.clear();
    asked.topicKey = skill.key;
    asked.topicCaption = skill.caption;
    return asked;
}

// The skill's questions whose bare text hashes as this text's, in turn.
template <class Visit>
void withSameHash(const SkillRow& skill, const std::string& text, Visit visit) {
    const TextIndex& index = indexOf(skill);
    const std::uint64_t hash = textHash(text);
    auto at = std::lower_bound(index.begin(), index.end(), std::make_pair(hash, std::uint32_t{0}));
    for (; at != index.end() && at->first == hash; ++at) {
        if (visit(skill.questions->question(at->second))) return;
    }
}

}  // namespace

std::optional<SkillQuestion> skillQuestionWithText(const SkillRow& skill, const std::string& text) {
    std::optional<SkillQuestion> found;
    const std::string bare = bareText(std::string(withoutNumber(text)));
    withSameHash(skill, text, [&](const SkillQuestion& question) {
        if (bareText(question.text) == bare) found = question;
        return found.has_value();
    });
    return found;
}

std::optional<MissedQuestion> skillQuestionOfText(const SkillRow& skill, const std::string& text) {
    std::optional<MissedQuestion> found;
    withSameHash(skill, text, [&](const SkillQuestion& question) {
        std::optional<MissedQuestion> asked = asMarked(skill, question);
        if (!asked || withoutNumber(asked->question) != withoutNumber(text)) return false;
        asked->question = text;
        found = std::move(asked);
        return true;
    });
    return found;
}

}  // namespace tally
