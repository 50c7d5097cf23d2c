// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "progress/progress_record.h"
#include "topics/topic_family.h"

namespace tally {

// The parent's 口算达标 norms in the record the window keeps, asked afresh
// each time, as the record may change.
class RecordNormShelf : public NormShelf {
public:
    explicit RecordNormShelf(std::function<ProgressRecord*()> record) : record_(std::move(record)) {}

    std::vector<FluencyNorm> edited() override {
        ProgressRecord* record = record_();
        return record ? record->fluencyNorms() : std::vector<FluencyNorm>{};
    }
    std::string save(const FluencyNorm& norm) override {
        ProgressRecord* record = record_();
        return record ? record->saveFluencyNorm(norm) : ProgressRecord::kNoNorms;
    }

private:
    std::function<ProgressRecord*()> record_;
};

}  // namespace tally
