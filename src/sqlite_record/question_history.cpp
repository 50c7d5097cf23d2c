// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlite_record/question_history.h"

#include <algorithm>
#include <limits>

namespace tally::sqlite {

bool QuestionHistory::keep(std::string_view text, Text& kept) {
    if (buffer_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) return false;
    kept = {static_cast<std::uint32_t>(buffer_.size()), static_cast<std::uint32_t>(text.size())};
    buffer_.append(text);
    return true;
}

QuestionHistory::QuestionHistory(std::size_t expectedRows) {
    rows_.reserve(expectedRows);
    buffer_.reserve(expectedRows * kExpectedTextBytes);
}

std::uint32_t QuestionHistory::topicOf(std::string_view key, std::string_view caption) {
    if (!topics_.empty() && topics_[lastTopic_].key == key && topics_[lastTopic_].caption == caption) {
        return lastTopic_;
    }
    topicName_.assign(std::to_string(key.size())).append(1, ':').append(key).append(caption);
    const auto [place, added] = topicPlaces_.try_emplace(topicName_, static_cast<std::uint32_t>(topics_.size()));
    if (added) topics_.push_back({std::string(key), std::string(caption)});
    return lastTopic_ = place->second;
}

bool QuestionHistory::addSheet(const Statement& row) {
    Sheet sheet{row.number(0), {}, topicOf(row.view(2), row.view(3))};
    if (!keep(row.view(1), sheet.when)) return false;
    sheets_.push_back(sheet);
    return true;
}

bool QuestionHistory::sheetAt(long long id, std::uint32_t& place) {
    // The answers come mostly in the order of their sheets.
    for (std::uint32_t near = lastSheet_; near < sheets_.size() && near <= lastSheet_ + 1; ++near) {
        if (sheets_[near].id == id) return lastSheet_ = place = near, true;
    }
    const auto found = std::lower_bound(sheets_.begin(), sheets_.end(), id,
                                        [](const Sheet& sheet, long long wanted) { return sheet.id < wanted; });
    if (found == sheets_.end() || found->id != id) return false;
    lastSheet_ = place = static_cast<std::uint32_t>(found - sheets_.begin());
    return true;
}

bool QuestionHistory::add(const Statement& row) {
    Row kept;
    if (!sheetAt(row.number(0), kept.sheet)) return true;
    if (!keep(row.view(2), kept.question) || !keep(row.view(3), kept.typed) || !keep(row.view(4), kept.correct)) {
        return false;
    }
    kept.when = sheets_[kept.sheet].when;
    kept.position = static_cast<int>(row.number(1));
    kept.form = formNamed(row.view(5));
    kept.right = row.number(8) != 0;
    // A miss kept without a topic (an old record) takes its sheet's.
    const std::string_view key = row.view(6);
    kept.topic = key.empty() && !kept.right ? sheets_[kept.sheet].topic : topicOf(key, row.view(7));
    rows_.push_back(kept);
    return true;
}

bool QuestionHistory::before(const Row& a, const Row& b) const {
    if (const int question = view(a.question).compare(view(b.question))) return question < 0;
    if (a.sheet != b.sheet) return a.sheet < b.sheet;
    if (a.right != b.right) return !a.right;
    return a.position < b.position;
}

std::vector<std::uint32_t> QuestionHistory::topicRanks() const {
    std::vector<std::uint32_t> byKey(topics_.size());
    for (std::uint32_t topic = 0; topic < byKey.size(); ++topic) byKey[topic] = topic;
    std::sort(byKey.begin(), byKey.end(),
              [&](std::uint32_t a, std::uint32_t b) { return topics_[a].key < topics_[b].key; });
    std::vector<std::uint32_t> ranks(topics_.size());
    std::uint32_t rank = 0;
    for (std::size_t at = 0; at < byKey.size(); ++at) {
        if (at > 0 && topics_[byKey[at]].key != topics_[byKey[at - 1]].key) ++rank;
        ranks[byKey[at]] = rank;
    }
    return ranks;
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

QuestionHistory::SortKey QuestionHistory::sortKey(std::uint32_t row, const std::vector<std::uint32_t>& ranks) const {
    return {startOf(view(rows_[row].question)), ranks[rows_[row].topic], row};
}

std::vector<QuestionHistory::SortKey> QuestionHistory::sortedKeys() const {
    const std::vector<std::uint32_t> ranks = topicRanks();
    std::vector<SortKey> keys(rows_.size());
    for (std::uint32_t row = 0; row < keys.size(); ++row) keys[row] = sortKey(row, ranks);
    std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        if (a.topicRank != b.topicRank) return a.topicRank < b.topicRank;
        if (a.questionStart != b.questionStart) return a.questionStart < b.questionStart;
        return before(rows_[a.row], rows_[b.row]);
    });
    return keys;
}

bool QuestionHistory::sameQuestion(const SortKey& a, const SortKey& b) const {
    if (a.topicRank != b.topicRank || a.questionStart != b.questionStart) return false;
    return view(rows_[a.row].question) == view(rows_[b.row].question);
}

void QuestionHistory::fill(const Row& row, DatedAnswer& answer) const {
    answer.when.assign(view(row.when));
    answer.question.question.assign(view(row.question));
    answer.question.typed.assign(view(row.typed));
    answer.question.correct.assign(view(row.correct));
    answer.question.form = row.form;
    answer.question.topicKey.assign(topics_[row.topic].key);
    answer.question.topicCaption.assign(topics_[row.topic].caption);
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
