#pragma once
#include <map>
#include <string>
#include <vector>

#include "support/harness.h"

namespace tally::test {

// Lines joined with CR LF, as the built-in texts and data files hold them.
std::string crLfText(const std::vector<std::string>& lines);

// A grade file as the program finds it in the data directory: GBK, CR LF.
std::string gradeFileBytes(const std::vector<std::string>& lines);

// The library reads these texts in place of the built-in ones; any other
// name reads as empty.
void useTexts(Form1& form, std::map<std::string, std::string> texts);

// The keys of the children of a node, in tree order.
std::vector<std::string> childKeys(const Form1& form, const std::string& parent);

}  // namespace tally::test
