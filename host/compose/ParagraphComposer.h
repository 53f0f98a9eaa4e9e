// Composes one paragraph of a story for the measures of the frames its lines go in: bidi,
// shaping, marks, line breaking, then each line set.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/compose/Font.h"
#include "host/compose/Layout.h"
#include "host/engine/Story.h"

namespace zvhost::compose {

// The widths of a paragraph's lines, from its first line on: each step's `width` (points) for
// its `lines` lines, then the next step's. The last step's width holds for every line after
// it, whatever its `lines`.
struct MeasureStep {
  uint32_t lines = 0;
  float width = 0;
  bool operator==(const MeasureStep &) const = default;
};
using Measures = std::vector<MeasureStep>;

// Paragraph `index` of `story` in `font` at `size` points, its lines as wide as `measures`
// (at least one step) say. Where the width changes, the rest of the paragraph is broken
// anew for the new width. Throws std::runtime_error when ICU refuses the text.
std::shared_ptr<const ParagraphLayout> ComposeParagraph(const engine::Story &story, uint32_t index,
                                                        const Font &font, float size,
                                                        const Measures &measures);

}  // namespace zvhost::compose
