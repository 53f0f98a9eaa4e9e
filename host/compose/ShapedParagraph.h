// One paragraph shaped once, whole, by HarfBuzz: cut into items of one level, script and
// shaping options, each item shaped with the paragraph around it as context, the glyphs
// grouped into clusters in text order. Lines are then cut from the clusters without
// shaping again.
#pragma once

#include <cstdint>
#include <vector>

#include "host/compose/Font.h"
#include "host/compose/ParagraphText.h"

namespace zvhost::compose {

struct ShapedGlyph {
  uint32_t glyph = 0;
  int32_t advance = 0;  // font units
  int32_t xOffset = 0;  // from the pen, font units, y up
  int32_t yOffset = 0;
  bool mark = false;
};

struct ShapedCluster {
  int32_t start = 0;  // its first code point
  int32_t length = 0;
  uint32_t firstGlyph = 0;  // glyphs in the order they are drawn, pen moving right
  uint32_t glyphCount = 0;
  int32_t advance = 0;  // font units
  bool rightToLeft = false;
};

struct ShapedParagraph {
  std::vector<ShapedCluster> clusters;  // in text order
  std::vector<ShapedGlyph> glyphs;
  std::vector<uint32_t> clusterOf;  // per code point
};

// Shapes `text` at the resolved bidi `levels`. Digits are shown in their run's digit set
// and marks left unpositioned where the diacritics position is "None", both only with the
// complex-script composer.
ShapedParagraph Shape(const ParagraphText &text, const std::vector<uint8_t> &levels,
                      const Font &font);

}  // namespace zvhost::compose
