#include "host/compose/LineBreaking.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace zvhost::compose {

namespace {

double NaturalWidth(const BreakOpportunities &breaks, size_t from, size_t to) {
  return breaks.widthBefore[to] - breaks.widthAfter[from];
}

// Lines wider than the measure by less than this still fit: widths are sums of floats.
constexpr double kFitTolerance = 1e-6;

bool Fits(const BreakOpportunities &breaks, size_t from, size_t to, double measure) {
  return to == from + 1 || NaturalWidth(breaks, from, to) <= measure + kFitTolerance;
}

}  // namespace

double LineBadness(const BreakOpportunities &breaks, size_t from, size_t to, double measure) {
  double shortfall = measure - NaturalWidth(breaks, from, to);
  if (shortfall < -kFitTolerance) return kMaxBadness;
  if (to + 1 == breaks.Count() || shortfall <= 0) return 0;
  double stretch = breaks.stretchBefore[to] - breaks.stretchAfter[from];
  if (stretch <= 0) return kMaxBadness;
  double ratio = shortfall / stretch;
  return std::min(kMaxBadness, 100 * ratio * ratio * ratio);
}

std::vector<size_t> FirstFit(const BreakOpportunities &breaks, double measure, size_t start) {
  std::vector<size_t> ends;
  size_t last = breaks.Count() - 1;
  for (size_t from = start; from < last;) {
    size_t to = from + 1;
    while (to < last && !breaks.forced[to] && Fits(breaks, from, to + 1, measure)) ++to;
    ends.push_back(to);
    from = to;
  }
  return ends;
}

// Dynamic programming over the opportunities: the best way to end a line at each one, from
// the lines that may end there. The lines that may end at `to` start at a window of
// opportunities that only moves forward (a line fits no better for starting earlier), so the
// work grows with the text times the opportunities a line holds.
std::vector<size_t> TotalFit(const BreakOpportunities &breaks, double measure, size_t start) {
  size_t count = breaks.Count();
  // (total badness, lines): fewer lines decide between equally good choices.
  using Cost = std::pair<double, size_t>;
  constexpr Cost kUnreached{std::numeric_limits<double>::infinity(), 0};
  std::vector<Cost> best(count, kUnreached);
  std::vector<size_t> previous(count, start);
  best[start] = {0, 0};
  size_t windowStart = start;  // the earliest start that may still fit
  size_t lastForced = start;
  for (size_t to = start + 1; to < count; ++to) {
    while (windowStart + 1 < to &&
           NaturalWidth(breaks, windowStart, to) > measure + kFitTolerance) {
      ++windowStart;
    }
    // No line crosses a forced break: none starts before the last one.
    size_t from = std::max(windowStart, lastForced);
    if (from + 1 > to) from = to - 1;
    for (; from < to; ++from) {
      if (best[from] == kUnreached) continue;
      if (!Fits(breaks, from, to, measure)) continue;
      Cost cost{best[from].first + LineBadness(breaks, from, to, measure), best[from].second + 1};
      if (cost < best[to]) {
        best[to] = cost;
        previous[to] = from;
      }
    }
    if (breaks.forced[to]) lastForced = to;
  }
  std::vector<size_t> ends;
  for (size_t at = count - 1; at > start; at = previous[at]) ends.push_back(at);
  std::reverse(ends.begin(), ends.end());
  return ends;
}

}  // namespace zvhost::compose
