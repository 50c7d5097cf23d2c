// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The picture of a card: "<img src=24/7c.gif>" for the 7 of suit 3. Suits 1
// to 4 are the letters a to d.
inline std::string cardPicture(int value, int suit) {
    const char letter = static_cast<char>('a' + suit - 1);
    return "<img src=24/" + std::to_string(value) + letter + ".gif>";
}

}  // namespace tally
