// A shaped paragraph's line break opportunities, by the Unicode line breaking algorithm
// (ICU's line break iterator), with the widths the line breaker measures lines by.
#pragma once

#include "host/compose/KashidaPlaces.h"
#include "host/compose/LineBreaking.h"
#include "host/compose/ParagraphText.h"
#include "host/compose/ShapedParagraph.h"

namespace zvhost::compose {

// How far a space may widen when the line breaker rates a line, as a share of its width.
inline constexpr double kSpaceStretch = 0.5;

// Spaces that justification widens.
inline bool IsJustifiableSpace(char32_t c) {
  return c == U' ' || c == U'\u00A0' || c == U'\u3000';
}
// Characters a line leaves out at its end: they stand beyond the measure, unseen.
inline bool IsTrailingSpace(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\u3000' || c == U'\u2028';
}

// Opportunities of `text`, widths in font units. A line may widen by kSpaceStretch of each of
// its spaces and by `kashidaStretch` units at each of its `kashidaPlaces` (ascending), where
// the line setter may put a kashida. Throws std::runtime_error when ICU fails.
BreakOpportunities FindBreakOpportunities(const ParagraphText &text, const ShapedParagraph &shaped,
                                          const std::vector<KashidaPlace> &kashidaPlaces,
                                          double kashidaStretch);

}  // namespace zvhost::compose
