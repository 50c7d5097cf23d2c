// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The two accounts: the stored advanced password, read from the login file
// when the login dialog opens, and the password given at the last login.
struct Accounts {
    std::string storedPassword;
    std::string loginPassword;

    // The stored password is never empty once the login dialog has opened.
    bool advanced() const { return !storedPassword.empty() && loginPassword == storedPassword; }
    // Whether the password in use is still the one the program came with:
    // only then may a text name it.
    bool initialPasswordInUse() const { return storedPassword == "238"; }
};

}  // namespace tally
