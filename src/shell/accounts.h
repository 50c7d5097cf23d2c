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
};

}  // namespace tally
