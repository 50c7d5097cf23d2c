// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "progress/progress_record.h"
#include "base/ports.h"

namespace tally {

// The second record of the parent's password: a salted hash the progress
// record keeps for each login file. A login file that vanished, went bad or
// was written behind the program's back no longer agrees with it, and the
// initial password then opens nothing: only the password the parent set does.
class PasswordGuard {
public:
    // No record: no copy is kept, the login file alone counts.
    PasswordGuard(ProgressRecord* record, const DataDirectory& data);

    enum class Standing {
        Unguarded,  // no password was ever set here: the login file alone counts
        Agrees,     // the login file holds the password of the copy
        Disagrees,  // the login file is missing, damaged or holds another password
        Unknown,    // the record cannot be read: nobody can tell
    };
    // How the login file stands: `filePassword` is what a good login file
    // holds, nothing for a missing or damaged one.
    Standing standing(const std::optional<std::string>& filePassword);
    // Whether `typed` is the password of the copy read by standing().
    bool proves(const std::string& typed) const;
    // Makes the copy that of `password`; true also without a record, where
    // there is nothing to keep.
    bool keep(const std::string& password);

private:
    ProgressRecord* record_;
    std::string place_;
    PasswordCopy copy_;
};

}  // namespace tally
