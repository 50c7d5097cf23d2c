// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

namespace tally {

// A salted, slow hash of a password (Argon2id, in libsodium's own text form,
// which carries its salt and costs), so the copy the record keeps gives the
// password away to nobody who reads the file.
std::optional<std::string> hashPassword(const std::string& password);
// Whether `password` is the one `hash` was made of; false for a hash that is
// damaged or not one at all.
bool passwordMatches(const std::string& hash, const std::string& password);

}  // namespace tally
