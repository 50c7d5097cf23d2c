#pragma once
#include <string>

namespace tally {

// The long built-in texts of the main window (Text4, Text5, Text9, Text16 ...),
// compiled into the program. Line ends are CR LF, as the rules that split and
// replace them expect; an unknown name gives the empty text.
class ContentStore {
public:
    static std::string text(const std::string& name);
};

}  // namespace tally
