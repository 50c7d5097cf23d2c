#pragma once
#include <string>
#include <vector>

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
    std::vector<MarkedSheet> sheets() override { return {stored.rbegin(), stored.rend()}; }
    std::vector<MissedQuestion> missed() override {
        std::vector<MissedQuestion> all;
        for (auto sheet = stored.rbegin(); sheet != stored.rend(); ++sheet) {
            all.insert(all.end(), sheet->missed.begin(), sheet->missed.end());
        }
        return all;
    }
    std::string lastError() const override { return failing ? "failing on purpose" : ""; }
};

}  // namespace tally::test
