// A story set on the page: each paragraph's lines with their glyphs placed, and where each
// line stands in the story's frames. The composer makes it; the drawing and `dump layout`
// read it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace zvhost::compose {

class Font;

enum class GlyphRole : uint8_t {
  kBase,     // a letter, digit, space or ligature
  kMark,     // a mark placed on its base
  kKashida,  // an elongation of the joining stroke, drawn over `width`
};

struct PlacedGlyph {
  uint32_t glyph = 0;   // the font's glyph index
  float x = 0;          // the glyph's origin, points right of the line's left end
  float y = 0;          // points up from the baseline
  float width = 0;      // the advance; for a kashida the length of the elongation
  int32_t cluster = 0;  // story position of the (first) character it shows
  GlyphRole role = GlyphRole::kBase;
};

struct ComposedLine {
  int32_t from = 0;  // story positions [from, to), the separator left out
  int32_t to = 0;
  float left = 0;           // the line's left end, points right of the frame's left edge
  float width = 0;          // the set width, justification included
  int8_t level = 0;         // the paragraph's base level: 0 left to right, 1 right to left
  int32_t kashidas = 0;     // elongations placed
  float spaceStretch = 0;   // how far spaces were widened, as a share of their natural width
  double badness = 0;       // how far the line is from its natural width (0 = set naturally)
  uint32_t firstGlyph = 0;  // into ParagraphLayout::glyphs, left to right as drawn
  uint32_t glyphCount = 0;
};

// One paragraph composed for one measure; kept and reused while the paragraph, the measure
// and the font stay the same.
struct ParagraphLayout {
  std::vector<ComposedLine> lines;
  std::vector<PlacedGlyph> glyphs;
};

// Where a line stands: in which of the story's frames, at which baseline.
struct LinePlace {
  uint32_t paragraph = 0;
  uint32_t line = 0;
  int32_t frame = -1;  // index in the story's frames; -1: the line fits in no frame
  float baseline = 0;  // points below the frame's top
};

struct StoryLayout {
  std::shared_ptr<const Font> font;
  float size = 0;
  std::vector<std::shared_ptr<const ParagraphLayout>> paragraphs;  // one per paragraph
  std::vector<LinePlace> places;  // every line of every paragraph, in story order
  int32_t overflowFrom = -1;      // the first story position that fits in no frame; -1: all fit
};

}  // namespace zvhost::compose
