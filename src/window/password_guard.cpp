// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/password_guard.h"

#include "window/password_hash.h"

namespace tally {

PasswordGuard::PasswordGuard(ProgressRecord* record, const DataDirectory& data)
    : record_(record), place_(data.place()) {}

PasswordGuard::Standing PasswordGuard::standing(const std::optional<std::string>& filePassword) {
    if (!record_) return Standing::Unguarded;
    copy_ = record_->passwordCopy(place_);
    if (!copy_.readable) return Standing::Unknown;
    if (copy_.hash.empty()) return Standing::Unguarded;
    return filePassword && passwordMatches(copy_.hash, *filePassword) ? Standing::Agrees : Standing::Disagrees;
}

bool PasswordGuard::proves(const std::string& typed) const {
    return !copy_.hash.empty() && passwordMatches(copy_.hash, typed);
}

bool PasswordGuard::keep(const std::string& password) {
    if (!record_) return true;
    const std::optional<std::string> hash = hashPassword(password);
    if (!hash || !record_->keepPasswordCopy(place_, *hash)) return false;
    copy_ = {true, *hash};
    return true;
}

}  // namespace tally
