// SPDX-License-Identifier: GPL-3.0-or-later
// A pupil's own answers to the class's assignments, kept in their record,
// from which 下发的练习 shows what was done and how it went.
#include <vector>

#include "sqlite_record/sqlite_record.h"

namespace tally {

std::vector<ClassAnswer> SqliteRecord::assignmentAnswers(long long childId) {
    std::vector<ClassAnswer> found;
    if (!readClassAnswers(childId, false, -1, found)) return {};
    std::erase_if(found, [](const ClassAnswer& answer) { return answer.assignmentId == 0; });
    return found;
}

}  // namespace tally
