// The Unicode bidirectional algorithm (ICU's) over one paragraph: each character's
// embedding level, with the paragraph direction as the base level and the character
// direction overrides as explicit overriding levels, and each line's runs in visual order.
#pragma once

#include <unicode/ubidi.h>

#include <cstdint>
#include <vector>

#include "host/compose/ParagraphText.h"

namespace zvhost::compose {

struct VisualRun {
  int32_t from = 0;  // code points of the paragraph, [from, to)
  int32_t to = 0;
  bool rightToLeft = false;
};

class BidiParagraph {
 public:
  // Throws std::runtime_error when ICU refuses the text.
  explicit BidiParagraph(const ParagraphText &text);
  BidiParagraph(const BidiParagraph &) = delete;
  BidiParagraph &operator=(const BidiParagraph &) = delete;
  ~BidiParagraph();

  uint8_t BaseLevel() const { return baseLevel_; }
  // Resolved levels, one a code point.
  const std::vector<uint8_t> &Levels() const { return levels_; }
  // The runs of the line [from, to), left to right as they stand on the page.
  std::vector<VisualRun> VisualRuns(int32_t from, int32_t to) const;

 private:
  const ParagraphText &text_;
  UBiDi *paragraph_ = nullptr;
  UBiDi *line_ = nullptr;
  std::vector<UBiDiLevel> explicitLevels_;  // ICU reads them while paragraph_ lives
  std::vector<uint8_t> levels_;
  std::vector<int32_t> codePointAt_;  // per UTF-16 unit
  uint8_t baseLevel_ = 0;
};

}  // namespace zvhost::compose
