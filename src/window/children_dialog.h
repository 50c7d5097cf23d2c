// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "progress/progress_record.h"
#include "base/ports.h"

namespace tally {

// The 孩子 dialog of the parent: add a child, rename one, change the grade,
// remove one (asked twice; the child's sheets go too), give the sheets of no
// child to a child. Each change returns "" when it was made, otherwise why
// not in Chinese (kKept when the parent said no).
class ChildrenDialog {
public:
    static constexpr const char* kTitle = "孩子";
    static constexpr const char* kKept = "没有删。";

    // `loggedIn` is the child practising now, who cannot be removed.
    ChildrenDialog(ProgressRecord& record, UserInterface& ui, long long loggedIn);

    const std::vector<Child>& children() const { return children_; }
    int earlierSheets() const { return earlierSheets_; }

    std::string add(const std::string& name, int grade);
    std::string rename(long long childId, const std::string& name);
    std::string setGrade(long long childId, int grade);
    std::string remove(long long childId);
    std::string giveEarlier(long long childId);

    // The parent's option: a child alone may have sheets marked, without
    // their right answers. The window keeps it when the dialog closes.
    bool marksAlone = true;

    // Whether anything was changed while the dialog was open.
    bool changed() const { return changed_; }

private:
    ProgressRecord& record_;
    UserInterface& ui_;
    long long loggedIn_;
    std::vector<Child> children_;
    int earlierSheets_ = 0;
    bool changed_ = false;

    std::string done(std::string problem);
    void reload();
};

}  // namespace tally
