#include "host/compose/MarkPlacement.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zvhost::compose {

namespace {

enum DiacriticsPosition { kUnpositioned = 0, kLoose = 1, kNormal = 2, kTight = 3 };

struct Ink {
  double left = 0, right = 0, bottom = 0, top = 0;  // font units, relative to the origin
  double Centre() const { return (left + right) / 2; }
};

Ink InkOf(const Font &font, uint32_t glyph) {
  hb_glyph_extents_t extents{};
  hb_font_get_glyph_extents(font.HarfBuzzFont(), glyph, &extents);
  return {static_cast<double>(extents.x_bearing),
          static_cast<double>(extents.x_bearing + extents.width),
          static_cast<double>(extents.y_bearing + extents.height),
          static_cast<double>(extents.y_bearing)};
}

bool IsMarkCharacter(char32_t c) {
  return u_getCombiningClass(static_cast<UChar32>(c)) != 0 ||
         u_charType(static_cast<UChar32>(c)) == U_NON_SPACING_MARK;
}

// Kasra, kasratan and the marks of combining class 220 (below) stand under their base.
bool StandsBelow(char32_t c) {
  return c == 0x0650 || c == 0x064D || u_getCombiningClass(static_cast<UChar32>(c)) == 220;
}

// A diacritics offset (thousandths of the size, that is of the em) in font units. The engine
// keeps any value it is given: one that is not a number moves nothing, and none moves a
// mark farther than kFarthestOffset ems.
int32_t OffsetUnits(int32_t bits, double unitsPerEm) {
  constexpr double kFarthestOffset = 10;
  double ems = engine::BitsFloat(bits) / 1000;
  if (!std::isfinite(ems)) return 0;
  return static_cast<int32_t>(std::clamp(ems, -kFarthestOffset, kFarthestOffset) * unitsPerEm);
}

double GapFor(int32_t position) {
  switch (position) {
    case kLoose:
      return kLooseMarkGap;
    case kNormal:
      return kNormalMarkGap;
    default:
      return kTightMarkGap;
  }
}

// One cluster: its glyphs' pen positions, and its mark characters and mark glyphs, both in
// text order, so that the n-th mark glyph shows the n-th mark character where they pair up.
void PlaceClusterMarks(const ParagraphText &text, const Font &font, const ShapedCluster &cluster,
                       ShapedGlyph *glyphs) {
  uint32_t count = cluster.glyphCount;
  std::vector<double> pen(count);
  double x = 0;
  for (uint32_t at = 0; at < count; ++at) {
    pen[at] = x;
    x += glyphs[at].advance;
  }
  std::vector<uint32_t> order(count);  // glyph indices in text order
  for (uint32_t at = 0; at < count; ++at) order[at] = cluster.rightToLeft ? count - 1 - at : at;
  std::vector<int32_t> markCharacters;
  for (int32_t at = cluster.start; at < cluster.start + cluster.length; ++at) {
    if (IsMarkCharacter(text.text[at])) markCharacters.push_back(at);
  }
  uint32_t markGlyphs = 0;
  for (uint32_t at = 0; at < count; ++at) markGlyphs += glyphs[at].mark ? 1 : 0;
  bool paired = markGlyphs == markCharacters.size();

  double unitsPerEm = font.UnitsPerEm();
  int32_t base = -1;
  Ink baseInk;
  double baseX = 0, above = 0, below = 0;  // the base's drawn origin and the ink reached
  uint32_t markIndex = 0;
  for (uint32_t index : order) {
    ShapedGlyph &glyph = glyphs[index];
    if (!glyph.mark) {
      base = static_cast<int32_t>(index);
      baseInk = InkOf(font, glyph.glyph);
      baseX = pen[index] + glyph.xOffset;
      above = baseInk.top + glyph.yOffset;
      below = baseInk.bottom + glyph.yOffset;
      continue;
    }
    int32_t character = paired ? markCharacters[markIndex] : cluster.start;
    ++markIndex;
    int32_t position = text.Char(engine::kDiacVPos, character);
    if (base >= 0 && position == kUnpositioned) {
      glyph.xOffset = static_cast<int32_t>(baseX - pen[index]);
      glyph.yOffset = 0;
    } else if (base >= 0 && position >= kLoose && position <= kTight) {
      Ink ink = InkOf(font, glyph.glyph);
      bool placeBelow = paired ? StandsBelow(text.text[character])
                               : ink.top + glyph.yOffset < (baseInk.bottom + baseInk.top) / 2;
      double gap = GapFor(position) * unitsPerEm;
      glyph.xOffset = static_cast<int32_t>(baseX + baseInk.Centre() - ink.Centre() - pen[index]);
      if (placeBelow) {
        glyph.yOffset = static_cast<int32_t>(below - gap - ink.top);
        below = glyph.yOffset + ink.bottom;
      } else {
        glyph.yOffset = static_cast<int32_t>(above + gap - ink.bottom);
        above = glyph.yOffset + ink.top;
      }
    }
    glyph.xOffset += OffsetUnits(text.Char(engine::kDiacXOffset, character), unitsPerEm);
    glyph.yOffset += OffsetUnits(text.Char(engine::kDiacYOffset, character), unitsPerEm);
  }
}

}  // namespace

void PlaceMarks(const ParagraphText &text, const Font &font, ShapedParagraph &shaped) {
  if (!text.Complex()) return;
  for (const ShapedCluster &cluster : shaped.clusters) {
    ShapedGlyph *glyphs = shaped.glyphs.data() + cluster.firstGlyph;
    bool hasMark = false;
    for (uint32_t at = 0; at < cluster.glyphCount; ++at) hasMark |= glyphs[at].mark;
    if (hasMark) PlaceClusterMarks(text, font, cluster, glyphs);
  }
}

}  // namespace zvhost::compose
