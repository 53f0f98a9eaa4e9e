// "Did you mean": the candidate closest to a misspelled word.
#pragma once

#include <string>
#include <vector>

namespace zvhost {

// The candidate within a small edit distance of `word` (case ignored), the closest first
// found; "" when none is close enough to be a likely slip.
std::string Closest(const std::string &word, const std::vector<std::string> &candidates);

// " (did you mean 'X'?)" for the closest candidate, "" when none is close.
std::string DidYouMean(const std::string &word, const std::vector<std::string> &candidates);

}  // namespace zvhost
