// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "progress/record_values.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally::sqlite {

// A child's whole history of answers, held compactly as read and given back
// one question at a time: sorting the rows here takes a fraction of what
// SQLite's sorter takes for an ORDER BY over them. The texts share one
// buffer, and a sheet's time and topic, repeated row after row, are kept once.
class QuestionHistory {
public:
    // Room for about this many rows at once: a buffer grown a step at a time
    // would briefly take half as much again.
    explicit QuestionHistory(std::size_t expectedRows);
    // Takes a row with the columns of the history query: when, the question
    // (5), topic, right, sheet, position. False when the buffer is full.
    bool add(const Statement& row);
    // Calls `question` with each question's answers, in the order their
    // sheets were stored (each sheet's misses before its answers), the
    // questions by the start of their topic and text (near the copy's key
    // order, where its rows go in fastest); false as soon as it says false.
    bool eachQuestion(const std::function<bool(const std::vector<DatedAnswer>&)>& question) const;

private:
    struct Text {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };
    struct Row {
        Text when, question, typed, correct, topicKey, topic;
        long long sheet = 0;
        int position = 0;
        AnswerForm form = AnswerForm::None;
        bool right = false;
    };

    // A row's place in the sort: the first bytes of its topic and question
    // as numbers that order as the bytes do, so most comparisons stay here.
    struct SortKey {
        std::uint64_t topicStart = 0;
        std::uint64_t questionStart = 0;
        std::uint32_t row = 0;
    };

    std::string_view view(Text text) const { return {buffer_.data() + text.at, text.size}; }
    SortKey sortKey(std::uint32_t row) const;
    std::vector<SortKey> sortedKeys() const;
    bool sameQuestion(const SortKey& a, const SortKey& b) const;
    // The text kept, or `last` again when it holds the same.
    bool keep(std::string_view text, const Text* last, Text& kept);
    bool before(const Row& a, const Row& b) const;
    void fill(const Row& row, DatedAnswer& answer) const;

    // A row's texts, its sheet's time and topic mostly shared with the row before.
    static constexpr std::size_t kExpectedTextBytes = 40;
    std::string buffer_;
    std::vector<Row> rows_;
};

}  // namespace tally::sqlite
