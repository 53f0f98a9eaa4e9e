// Stories built in place and composed, and what the composer's tests read of a layout.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/compose/Composer.h"
#include "host/compose/Font.h"
#include "host/engine/Story.h"
#include "host/engine/Utf8.h"

namespace zvtest {

namespace engine = zvhost::engine;
namespace compose = zvhost::compose;

struct RunOf {
  int32_t length = 0;
  engine::CharAttributes attributes{};
};

// Character attributes by name; offsets in thousandths of the size.
inline engine::CharAttributes Chars(int32_t dirOverride = 0, int32_t digitSet = 0,
                                    int32_t diacVPos = 0, float xOffset = 0, float yOffset = 0,
                                    int32_t kashidas = 0) {
  return {dirOverride, digitSet, diacVPos, engine::FloatBits(xOffset), engine::FloatBits(yOffset),
          kashidas};
}

inline engine::ParaAttributes Para(int32_t direction, int32_t method, int32_t engineIndex,
                                   bool everyLine = false) {
  return {direction, method, engineIndex, everyLine ? 1 : 0};
}

inline int32_t CodePoints(const std::string &text) {
  return static_cast<int32_t>(engine::CheckUtf8(text).codePoints);
}

// Adds a paragraph of one run of `attributes`, or of `runs` when given.
inline void AddParagraph(engine::Story &story, const std::string &text,
                         const engine::ParaAttributes &para,
                         const engine::CharAttributes &attributes = {},
                         const std::vector<RunOf> &runs = {}) {
  std::vector<engine::RunSpan> spans;
  for (const RunOf &run : runs) spans.push_back({run.length, run.attributes});
  if (spans.empty()) spans.push_back({CodePoints(text), attributes});
  story.AddParagraph(text, CodePoints(text), para, spans);
}

// A box at the page's corner.
inline compose::FrameBox Frame(float width, float height = 1000) {
  return {0, 0, width, height};
}

// The glyphs of one line, left to right.
inline std::vector<compose::PlacedGlyph> LineGlyphs(const compose::ParagraphLayout &paragraph,
                                                    const compose::ComposedLine &line) {
  return {paragraph.glyphs.begin() + line.firstGlyph,
          paragraph.glyphs.begin() + line.firstGlyph + line.glyphCount};
}

inline uint32_t NominalGlyph(const compose::Font &font, char32_t c) {
  hb_codepoint_t glyph = 0;
  hb_font_get_nominal_glyph(font.HarfBuzzFont(), c, &glyph);
  return glyph;
}

// A long paragraph of Arabic words (with a few that repeat, as text does).
inline std::string ArabicText() {
  return "بسم الله الرحمن الرحيم الحمد لله رب العالمين الرحمن الرحيم مالك يوم الدين إياك "
         "نعبد وإياك نستعين اهدنا الصراط المستقيم صراط الذين أنعمت عليهم غير المغضوب عليهم "
         "ولا الضالين في البدء كانت الكلمة والكلمة كانت عند الكتاب وكانت الكتابة فنا جميلا "
         "يتعلمه الخطاطون في المدارس القديمة ويكتبون به المصاحف والكتب والرسائل";
}

}  // namespace zvtest
