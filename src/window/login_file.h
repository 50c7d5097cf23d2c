// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace tally {

// The login file keeps the advanced password one character a line: the
// character's GBK code plus 7 in decimal, CR LF after every line and one more
// CR LF at the end. A two-byte character's code is the 16-bit value of its two
// bytes; older files hold it as a negative 16-bit number, which is read too.
// Lines ending in LF alone are read as well.

struct DecodedLogin {
    std::string password;  // UTF-8
    // A line that is not a whole number or no character, or a password that is
    // empty or holds control characters.
    bool damaged = false;
};

DecodedLogin decodeLoginFile(const std::string& bytes);
// nullopt when a character has no GBK code or is a control character, which
// the reader would refuse.
std::optional<std::string> encodeLoginFile(const std::string& password);

inline constexpr const char* kLoginFileName = "tallymoologin.ini";
inline constexpr const char* kInitialPassword = "238";

}  // namespace tally
