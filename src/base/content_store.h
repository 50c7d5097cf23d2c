// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace tally {

// The program's long built-in texts, by name (the introduction "Text5", the
// games' "Text4", the knowledge lists ...),
// compiled into the program. Line ends are CR LF, as the rules that split and
// replace them expect; an unknown name gives the empty text.
class ContentStore {
public:
    static std::string text(const std::string& name);
};

}  // namespace tally
