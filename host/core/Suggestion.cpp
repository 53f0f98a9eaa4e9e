#include "host/core/Suggestion.h"

#include <algorithm>
#include <cctype>

namespace zvhost {

namespace {

char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// Edits (insert, delete, replace, swap of neighbours) that turn a into b, case ignored.
size_t EditDistance(const std::string &a, const std::string &b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t cost = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) &&
          Lower(a[i - 2]) == Lower(b[j - 1])) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::string Closest(const std::string &word, const std::vector<std::string> &candidates) {
  // A third of the word's length, at least one and at most three edits: "pnael" is
  // "panel", while "x" is not "Y".
  const size_t allowed = std::clamp<size_t>(word.size() / 3, 1, 3);
  std::string best;
  size_t bestDistance = allowed + 1;
  for (const std::string &candidate : candidates) {
    const size_t distance = EditDistance(word, candidate);
    if (distance < bestDistance && distance < candidate.size()) {
      best = candidate;
      bestDistance = distance;
    }
  }
  return best;
}

std::string DidYouMean(const std::string &word, const std::vector<std::string> &candidates) {
  const std::string closest = Closest(word, candidates);
  return closest.empty() ? "" : " (did you mean '" + closest + "'?)";
}

}  // namespace zvhost
