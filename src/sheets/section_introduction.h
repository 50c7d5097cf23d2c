#pragma once
#include <string>

namespace tally {

// The short introduction a drill section's root shows, as page HTML; empty
// for any other tag.
std::string sectionIntroduction(const std::string& tag);

}  // namespace tally
