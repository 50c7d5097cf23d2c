// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "progress/record_values.h"
#include "sqlite_record/sqlite_statement.h"

namespace tally::sqlite {

// A child's whole history of answers, held compactly as read and given back
// one question at a time: sorting the rows here takes a fraction of what
// SQLite's sorter takes for an ORDER BY over them. The child's sheets are
// read first and the answers after, each table straight through, without a
// join. The texts share one buffer; a sheet's time and the few topics are
// kept once each.
class QuestionHistory {
public:
    // Room for about this many rows at once: a buffer grown a step at a time
    // would briefly take half as much again.
    explicit QuestionHistory(std::size_t expectedRows);
    // Takes a sheet of the child: id, when, topic key, topic, in the order
    // of their ids. False when the buffer is full.
    bool addSheet(const Statement& row);
    // Takes an answer: sheet, position, the question (5), right; a miss
    // with an empty topic takes its sheet's. An answer on a sheet not taken
    // is left out. False when the buffer is full.
    bool add(const Statement& row);
    // Calls `question` with each question's answers, in the order their
    // sheets were stored (each sheet's misses before its answers), the
    // questions by topic and text (the copy's key order, where its rows go
    // in fastest); false as soon as it says false.
    bool eachQuestion(const std::function<bool(const std::vector<DatedAnswer>&)>& question) const;

private:
    struct Text {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };
    struct Topic {
        std::string key, caption;
    };
    struct Sheet {
        long long id = 0;
        Text when;
        std::uint32_t topic = 0;
    };
    struct Row {
        Text when;  // its sheet's, kept here: one place fewer to reach for
        Text question, typed, correct;
        std::uint32_t topic = 0;
        std::uint32_t sheet = 0;  // its place in sheets_, which runs with the ids
        int position = 0;
        AnswerForm form = AnswerForm::None;
        bool right = false;
    };

    // A row's place in the sort: its topic's rank and the first bytes of its
    // question as a number that orders as the bytes do, so most comparisons
    // stay here.
    struct SortKey {
        std::uint64_t questionStart = 0;
        std::uint32_t topicRank = 0;
        std::uint32_t row = 0;
    };

    std::string_view view(Text text) const { return {buffer_.data() + text.at, text.size}; }
    bool keep(std::string_view text, Text& kept);
    // The topic's place in topics_, added when new.
    std::uint32_t topicOf(std::string_view key, std::string_view caption);
    // The place in sheets_ of the sheet with this id; false when not taken.
    bool sheetAt(long long id, std::uint32_t& place);
    // Each topic's rank among the keys: equal keys, equal ranks.
    std::vector<std::uint32_t> topicRanks() const;
    SortKey sortKey(std::uint32_t row, const std::vector<std::uint32_t>& ranks) const;
    std::vector<SortKey> sortedKeys() const;
    bool sameQuestion(const SortKey& a, const SortKey& b) const;
    // Of two rows of topics that rank alike: by question, then as stored.
    bool before(const Row& a, const Row& b) const;
    void fill(const Row& row, DatedAnswer& answer) const;

    // A row's three texts.
    static constexpr std::size_t kExpectedTextBytes = 24;
    std::string buffer_;
    std::vector<Sheet> sheets_;
    std::vector<Row> rows_;
    std::vector<Topic> topics_;
    // Each topic's place in topics_, by its key's length, key and caption.
    std::unordered_map<std::string, std::uint32_t> topicPlaces_;
    std::string topicName_;
    std::uint32_t lastTopic_ = 0;
    std::uint32_t lastSheet_ = 0;
};

}  // namespace tally::sqlite
