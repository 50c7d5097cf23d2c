// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "progress/progress_record.h"
#include "topics/topic_family.h"

namespace tally {

// The mixes of the record the window keeps, for whoever practises at it: the
// record and the owner are asked afresh each time, as both may change.
class RecordMixShelf : public MixShelf {
public:
    RecordMixShelf(std::function<ProgressRecord*()> record, std::function<long long()> owner)
        : record_(std::move(record)), owner_(std::move(owner)) {}

    std::vector<SkillMix> saved() override {
        ProgressRecord* record = record_();
        return record ? record->savedMixes(owner_()) : std::vector<SkillMix>{};
    }
    std::string save(const SkillMix& mix) override {
        ProgressRecord* record = record_();
        return record ? record->saveMix(owner_(), mix) : ProgressRecord::kNoMixes;
    }

private:
    std::function<ProgressRecord*()> record_;
    std::function<long long()> owner_;
};

}  // namespace tally
