// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/topic_rows.h"

#include <algorithm>

namespace tally {

std::string oneLineCaption(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
    return text;
}

}  // namespace tally
