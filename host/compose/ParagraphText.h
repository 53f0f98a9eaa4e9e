// One paragraph's text as composing reads it: code points as typed, the same text in UTF-16
// for ICU, and each character's run attributes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/engine/Story.h"

namespace zvhost::compose {

struct ParagraphText {
  // Reads paragraph `index` of `story`.
  ParagraphText(const engine::Story &story, uint32_t index);

  int32_t Length() const { return static_cast<int32_t>(text.size()); }
  const engine::CharAttributes &AttributesAt(int32_t position) const {
    return runs[runOf[position]];
  }
  int32_t Char(engine::CharAttribute attribute, int32_t position) const {
    return AttributesAt(position)[attribute];
  }
  // The complex-script composer applies every attribute; the standard one only some.
  bool Complex() const { return paragraph.attributes[engine::kComposerEngine] == 1; }
  bool RightToLeft() const { return paragraph.attributes[engine::kParagraphDirection] == 1; }

  const engine::Paragraph &paragraph;
  std::u32string text;
  std::u16string utf16;
  std::vector<int32_t> utf16Offset;  // per code point, and one past the end
  std::vector<engine::CharAttributes> runs;
  std::vector<uint32_t> runOf;  // per code point: its index in `runs`
};

}  // namespace zvhost::compose
