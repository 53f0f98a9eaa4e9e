// Choosing a paragraph's line breaks among its break opportunities: first fit, line by line,
// or total fit, the breaks that minimise the total badness of the paragraph's lines. Both
// choose among the same lines with the same badness, so total fit is never worse.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zvhost::compose {

// Where lines may end. Index 0 is the paragraph's start; the last, its end.
struct BreakOpportunities {
  std::vector<int32_t> position;      // code point where the next line starts
  std::vector<bool> forced;           // a line must end here
  std::vector<double> widthBefore;    // natural width of the text before it, trailing spaces
                                      // left out (what a line ending here measures up to)
  std::vector<double> widthAfter;     // natural width of the text before it, spaces included
                                      // (where a line starting here measures from)
  std::vector<double> stretchBefore;  // how far the spaces before it may widen, likewise
  std::vector<double> stretchAfter;

  size_t Count() const { return position.size(); }
  void Add(int32_t at, bool mustBreak, double trimmedWidth, double width, double trimmedStretch,
           double stretch) {
    position.push_back(at);
    forced.push_back(mustBreak);
    widthBefore.push_back(trimmedWidth);
    widthAfter.push_back(width);
    stretchBefore.push_back(trimmedStretch);
    stretchAfter.push_back(stretch);
  }
};

// The badness no line goes beyond: a line that cannot be widened, or is too wide.
inline constexpr double kMaxBadness = 10000;

// How far the line from opportunity `from` to `to` is from its natural width, as TeX
// measures it: 100 (shortfall / stretch)^3, at most kMaxBadness; 0 for the last line that
// fits. Too wide a line is kMaxBadness.
double LineBadness(const BreakOpportunities &breaks, size_t from, size_t to, double measure);

// The opportunities chosen as line ends, ascending, the paragraph's end last, for the text
// from opportunity `start` on. A line may go from one opportunity to another when it fits the
// measure, or when it is the one piece of text between neighbouring opportunities (too wide,
// but unbreakable); it never crosses a forced break.
std::vector<size_t> FirstFit(const BreakOpportunities &breaks, double measure, size_t start = 0);
std::vector<size_t> TotalFit(const BreakOpportunities &breaks, double measure, size_t start = 0);

}  // namespace zvhost::compose
