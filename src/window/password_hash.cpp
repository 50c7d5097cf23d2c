// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/password_hash.h"

#include <sodium.h>

namespace tally {
namespace {

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

}  // namespace

std::optional<std::string> hashPassword(const std::string& password) {
    char hash[crypto_pwhash_STRBYTES];
    if (!sodiumReady() || crypto_pwhash_str(hash, password.data(), password.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                            crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        return std::nullopt;
    }
    return std::string(hash);
}

bool passwordMatches(const std::string& hash, const std::string& password) {
    if (!sodiumReady() || hash.empty() || hash.size() >= crypto_pwhash_STRBYTES) return false;
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

}  // namespace tally
