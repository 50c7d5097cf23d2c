// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/question_history.h"

#include <algorithm>
#include <limits>

namespace tally::sqlite {

bool QuestionHistory::keep(std::string_view text, const Text* last, Text& kept) {
    if (last && view(*last) == text) return kept = *last, true;
    if (buffer_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) return false;
    kept = {static_cast<std::uint32_t>(buffer_.size()), static_cast<std::uint32_t>(text.size())};
    buffer_.append(text);
    return true;
}

QuestionHistory::QuestionHistory(std::size_t expectedRows) {
    rows_.reserve(expectedRows);
    buffer_.reserve(expectedRows * kExpectedTextBytes);
}

bool QuestionHistory::add(const Statement& row) {
    const Row* last = rows_.empty() ? nullptr : &rows_.back();
    Row kept;
    const bool fits = keep(row.view(0), last ? &last->when : nullptr, kept.when) &&
                      keep(row.view(1), nullptr, kept.question) && keep(row.view(2), nullptr, kept.typed) &&
                      keep(row.view(3), nullptr, kept.correct) &&
                      keep(row.view(5), last ? &last->topicKey : nullptr, kept.topicKey) &&
                      keep(row.view(6), last ? &last->topic : nullptr, kept.topic);
    if (!fits) return false;
    kept.form = formNamed(row.view(4));
    kept.right = row.number(7) != 0;
    kept.sheet = row.number(8);
    kept.position = static_cast<int>(row.number(9));
    rows_.push_back(kept);
    return true;
}

// By topic and question, then in the order stored.
bool QuestionHistory::before(const Row& a, const Row& b) const {
    if (const int topic = view(a.topicKey).compare(view(b.topicKey))) return topic < 0;
    if (const int question = view(a.question).compare(view(b.question))) return question < 0;
    if (a.sheet != b.sheet) return a.sheet < b.sheet;
    if (a.right != b.right) return !a.right;
    return a.position < b.position;
}

namespace {

// The first eight bytes, big end first, zeros past the end: two texts whose
// starts differ compare as their bytes do.
std::uint64_t startOf(std::string_view text) {
    std::uint64_t start = 0;
    for (std::size_t at = 0; at < 8; ++at) {
        start = (start << 8) | (at < text.size() ? static_cast<unsigned char>(text[at]) : 0U);
    }
    return start;
}

}  // namespace

QuestionHistory::SortKey QuestionHistory::sortKey(std::uint32_t row) const {
    return {startOf(view(rows_[row].topicKey)), startOf(view(rows_[row].question)), row};
}

std::vector<QuestionHistory::SortKey> QuestionHistory::sortedKeys() const {
    std::vector<SortKey> keys(rows_.size());
    for (std::uint32_t row = 0; row < keys.size(); ++row) keys[row] = sortKey(row);
    std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        if (a.topicStart != b.topicStart) return a.topicStart < b.topicStart;
        if (a.questionStart != b.questionStart) return a.questionStart < b.questionStart;
        return before(rows_[a.row], rows_[b.row]);
    });
    return keys;
}

bool QuestionHistory::sameQuestion(const SortKey& a, const SortKey& b) const {
    if (a.topicStart != b.topicStart || a.questionStart != b.questionStart) return false;
    const Row& first = rows_[a.row];
    const Row& second = rows_[b.row];
    return view(first.question) == view(second.question) && view(first.topicKey) == view(second.topicKey);
}

void QuestionHistory::fill(const Row& row, DatedAnswer& answer) const {
    answer.when.assign(view(row.when));
    answer.question.question.assign(view(row.question));
    answer.question.typed.assign(view(row.typed));
    answer.question.correct.assign(view(row.correct));
    answer.question.form = row.form;
    answer.question.topicKey.assign(view(row.topicKey));
    answer.question.topicCaption.assign(view(row.topic));
    answer.right = row.right;
}

bool QuestionHistory::eachQuestion(const std::function<bool(const std::vector<DatedAnswer>&)>& question) const {
    const std::vector<SortKey> keys = sortedKeys();
    // One list of answers, its strings reused from question to question.
    std::vector<DatedAnswer> answers;
    std::size_t held = 0;
    for (std::size_t at = 0; at < keys.size(); ++at) {
        if (held == answers.size()) answers.emplace_back();
        fill(rows_[keys[at].row], answers[held++]);
        if (at + 1 < keys.size() && sameQuestion(keys[at], keys[at + 1])) continue;
        answers.resize(held);
        if (!question(answers)) return false;
        held = 0;
    }
    return true;
}

}  // namespace tally::sqlite
