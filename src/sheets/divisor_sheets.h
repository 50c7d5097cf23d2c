#pragma once
#include <string>

namespace tally {

// The answer revealed under the word problem of topic 7005 or 7006; empty for
// any other topic.
std::string divisorWordProblemAnswer(int topic);

}  // namespace tally
