// Sets one line of a shaped paragraph: fills it to the measure when it is justified (by
// kashidas, then spaces), and places its glyphs left to right in visual order.
#pragma once

#include <cstdint>
#include <vector>

#include "host/compose/BidiParagraph.h"
#include "host/compose/Font.h"
#include "host/compose/KashidaPlaces.h"
#include "host/compose/Layout.h"
#include "host/compose/ParagraphText.h"
#include "host/compose/ShapedParagraph.h"

namespace zvhost::compose {

// The longest a kashida grows, as a share of the em.
inline constexpr double kLongestKashida = 0.5;

enum class KashidaSpread {
  kByPriority,  // "Arabic": the fewest places of highest priority that fill the line
  kEveryWord,   // "Naskh": every place given (one a word), filled evenly
};

struct ParagraphParts {
  const ParagraphText &text;
  const BidiParagraph &bidi;
  const ShapedParagraph &shaped;
  const Font &font;
  double pointsPerUnit = 0;
  // Where kashidas may go in this paragraph (already limited to the runs and letters that
  // allow them), and how they are spread; empty when the paragraph has none.
  std::vector<KashidaPlace> kashidaPlaces;
  KashidaSpread spread = KashidaSpread::kByPriority;
};

// Appends the line [from, to) of the paragraph (to after its trailing spaces), `measure`
// points wide, to `layout`. `fill`: the line is justified. The line stands at `storyStart` in
// the story.
void SetLine(const ParagraphParts &parts, int32_t from, int32_t to, double measure, bool fill,
             double badness, int32_t storyStart, ParagraphLayout &layout);

}  // namespace zvhost::compose
