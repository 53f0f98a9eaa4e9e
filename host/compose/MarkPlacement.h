// Where the complex-script composer sets marks (harakat and other diacritics): on the
// font's own positions, or above or below their base's ink at a chosen gap, or unpositioned
// on their base; then moved by the run's offsets.
#pragma once

#include "host/compose/Font.h"
#include "host/compose/ParagraphText.h"
#include "host/compose/ShapedParagraph.h"

namespace zvhost::compose {

// The gap between a base's ink and its mark's, as shares of the em, per diacritics position.
inline constexpr double kLooseMarkGap = 0.16;
inline constexpr double kNormalMarkGap = 0.08;
inline constexpr double kTightMarkGap = 0.02;

// Rewrites the offsets of `shaped`'s mark glyphs as the diacritics attributes of their runs
// ask. Does nothing for the standard composer, which keeps the font's positions.
void PlaceMarks(const ParagraphText &text, const Font &font, ShapedParagraph &shaped);

}  // namespace zvhost::compose
