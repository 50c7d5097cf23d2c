// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <string>
#include <vector>

#include "app/record_page.h"
#include "progress/progress_record.h"

namespace tally::test {

// Keeps every stored sheet in memory, in the order it came; can be told to
// fail like a record that cannot be written.
class RecordingRecord : public ProgressRecord {
public:
    std::vector<MarkedSheet> stored;
    bool failing = false;
    int storeCalls = 0;

    bool store(const MarkedSheet& sheet) override {
        ++storeCalls;
        if (failing) return false;
        stored.push_back(sheet);
        return true;
    }
    std::vector<MarkedSheet> sheets(long long childId) override {
        std::vector<MarkedSheet> found;
        if (failing) return found;
        for (auto sheet = stored.rbegin(); sheet != stored.rend(); ++sheet) {
            if (sheet->childId == childId) found.push_back(*sheet);
        }
        return found;
    }
    std::vector<MarkedSheet> latestSheets(long long childId, int limit) override {
        std::vector<MarkedSheet> latest = sheets(childId);
        if (static_cast<int>(latest.size()) > limit) latest.resize(static_cast<std::size_t>(limit));
        for (MarkedSheet& sheet : latest) sheet.missed.clear(), sheet.mended.clear();
        return latest;
    }
    std::optional<RecordSummary> summary(long long childId, const RecordPageLimits& limits) override {
        if (failing) return std::nullopt;
        return summariseSheets(sheets(childId), static_cast<int>(redrillList(childId, 1 << 30).size()), limits);
    }
    RecordTrouble trouble() const override { return failing ? RecordTrouble::CannotOpen : RecordTrouble::None; }
    std::vector<MissedQuestion> missed(long long childId) override {
        std::vector<MissedQuestion> all;
        for (const MarkedSheet& sheet : sheets(childId)) all.insert(all.end(), sheet.missed.begin(), sheet.missed.end());
        return all;
    }
    // A question's latest miss stands until a later sheet mends it.
    std::vector<MissedQuestion> redrillList(long long childId, int limit) override {
        const std::vector<MarkedSheet> newestFirst = sheets(childId);
        std::vector<MissedQuestion> open;
        for (auto sheet = newestFirst.rbegin(); sheet != newestFirst.rend(); ++sheet) {
            for (const MissedQuestion& mended : sheet->mended) std::erase_if(open, [&](auto& q) { return same(q, mended); });
            for (const MissedQuestion& miss : sheet->missed) {
                if (miss.form == AnswerForm::None) continue;
                std::erase_if(open, [&](auto& q) { return same(q, miss); });
                open.push_back(miss);
            }
        }
        // Stored oldest first, a sheet's misses in order: newest sheet first,
        // each sheet's own order kept.
        std::vector<MissedQuestion> list;
        for (const MarkedSheet& sheet : newestFirst) {
            for (const MissedQuestion& miss : sheet.missed) {
                const bool stillOpen = std::any_of(open.begin(), open.end(), [&](auto& q) { return q == miss; });
                const bool listed = std::any_of(list.begin(), list.end(), [&](auto& q) { return same(q, miss); });
                if (stillOpen && !listed && static_cast<int>(list.size()) < limit) list.push_back(miss);
            }
        }
        return list;
    }
    std::string lastError() const override { return failing ? "failing on purpose" : ""; }

    std::vector<PrintedSheet> printed;
    bool keepPrintedSheet(const PrintedSheet& sheet) override {
        if (failing) return false;
        if (!printedSheet(sheet.code)) printed.push_back(sheet);
        return true;
    }
    std::optional<PrintedSheet> printedSheet(const std::string& code) override {
        const auto found = std::find_if(printed.begin(), printed.end(), [&](auto& p) { return p.code == code; });
        return found == printed.end() ? std::nullopt : std::optional(*found);
    }
    std::vector<PrintedSheet> printedSheets(long long childId, int limit) override {
        std::vector<PrintedSheet> found;
        for (auto sheet = printed.rbegin(); sheet != printed.rend() && static_cast<int>(found.size()) < limit; ++sheet) {
            if (sheet->childId == childId) found.push_back(*sheet);
        }
        return found;
    }

private:
    static bool same(const MissedQuestion& a, const MissedQuestion& b) {
        return a.topicKey == b.topicKey && a.question == b.question;
    }
};

}  // namespace tally::test
