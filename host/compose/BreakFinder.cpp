#include "host/compose/BreakFinder.h"

#include <unicode/ubrk.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace zvhost::compose {

BreakOpportunities FindBreakOpportunities(const ParagraphText &text, const ShapedParagraph &shaped,
                                          const std::vector<KashidaPlace> &kashidaPlaces,
                                          double kashidaStretch) {
  int32_t length = text.Length();
  // Running sums per code point: widths of the clusters before it, and their stretch. A
  // kashida place's stretch counts at the letter after it, so a line holds it when it holds
  // both letters.
  std::vector<double> width(length + 1, 0), stretch(length + 1, 0);
  auto place = kashidaPlaces.begin();
  for (int32_t at = 0; at < length; ++at) {
    const ShapedCluster &cluster = shaped.clusters[shaped.clusterOf[at]];
    double advance = cluster.start == at ? cluster.advance : 0;
    width[at + 1] = width[at] + advance;
    stretch[at + 1] =
        stretch[at] + (IsJustifiableSpace(text.text[at]) ? advance * kSpaceStretch : 0);
    for (; place != kashidaPlaces.end() && static_cast<int32_t>(place->after) + 1 == at; ++place) {
      stretch[at + 1] += kashidaStretch;
    }
  }

  BreakOpportunities breaks;
  breaks.Add(0, false, 0, 0, 0, 0);
  if (length == 0) {
    breaks.Add(0, true, 0, 0, 0, 0);
    return breaks;
  }
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UBreakIterator, decltype(&ubrk_close)> iterator(
      ubrk_open(UBRK_LINE, "", reinterpret_cast<const UChar *>(text.utf16.data()),
                static_cast<int32_t>(text.utf16.size()), &status),
      ubrk_close);
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("line breaking: ") + u_errorName(status));
  }
  int32_t at = 0;  // code point of the last opportunity
  for (int32_t unit = ubrk_following(iterator.get(), 0); unit != UBRK_DONE;
       unit = ubrk_next(iterator.get())) {
    int32_t ruleStatus = ubrk_getRuleStatus(iterator.get());
    while (at < length && text.utf16Offset[at] < unit) ++at;
    // A line ends only between clusters: a ligature or a base with its marks stays whole.
    if (at < length && shaped.clusters[shaped.clusterOf[at]].start != at) continue;
    int32_t trimmed = at;
    while (trimmed > breaks.position.back() && IsTrailingSpace(text.text[trimmed - 1])) --trimmed;
    bool forced =
        at == length || (ruleStatus >= UBRK_LINE_HARD && ruleStatus < UBRK_LINE_HARD_LIMIT);
    breaks.Add(at, forced, width[trimmed], width[at], stretch[trimmed], stretch[at]);
  }
  return breaks;
}

}  // namespace zvhost::compose
