#include "host/compose/BidiParagraph.h"

#include <stdexcept>
#include <string>

namespace zvhost::compose {

namespace {

void Check(UErrorCode status, const char *what) {
  if (U_FAILURE(status)) {
    throw std::runtime_error(std::string("bidirectional algorithm: ") + what + ": " +
                             u_errorName(status));
  }
}

// The least level at or above `base` of the direction an override asks for (1 left to
// right, 2 right to left); 0 for characters without an override.
UBiDiLevel OverrideLevel(int32_t direction, UBiDiLevel base) {
  if (direction != 1 && direction != 2) return 0;
  UBiDiLevel parity = direction == 2 ? 1 : 0;
  UBiDiLevel level = (base & 1) == parity ? base : static_cast<UBiDiLevel>(base + 1);
  return static_cast<UBiDiLevel>(level | UBIDI_LEVEL_OVERRIDE);
}

}  // namespace

BidiParagraph::BidiParagraph(const ParagraphText &text) : text_(text) {
  baseLevel_ = text.RightToLeft() ? 1 : 0;
  int32_t units = static_cast<int32_t>(text.utf16.size());
  codePointAt_.resize(units + 1);
  for (int32_t at = 0; at < text.Length(); ++at) {
    for (int32_t unit = text.utf16Offset[at]; unit < text.utf16Offset[at + 1]; ++unit) {
      codePointAt_[unit] = at;
    }
  }
  codePointAt_[units] = text.Length();

  bool overrides = false;
  for (const engine::CharAttributes &run : text.runs) {
    if (OverrideLevel(run[engine::kDirOverride], baseLevel_) != 0) overrides = true;
  }
  if (overrides) {
    explicitLevels_.resize(units);
    for (int32_t unit = 0; unit < units; ++unit) {
      UBiDiLevel level =
          OverrideLevel(text.Char(engine::kDirOverride, codePointAt_[unit]), baseLevel_);
      explicitLevels_[unit] = level != 0 ? level : baseLevel_;
    }
  }

  UErrorCode status = U_ZERO_ERROR;
  paragraph_ = ubidi_openSized(units, 0, &status);
  Check(status, "open");
  line_ = ubidi_open();
  ubidi_setPara(paragraph_, reinterpret_cast<const UChar *>(text.utf16.data()), units, baseLevel_,
                overrides ? explicitLevels_.data() : nullptr, &status);
  Check(status, "paragraph");
  levels_.resize(text.Length());
  if (units == 0) return;
  const UBiDiLevel *levels = ubidi_getLevels(paragraph_, &status);
  Check(status, "levels");
  for (int32_t at = 0; at < text.Length(); ++at) levels_[at] = levels[text.utf16Offset[at]];
}

BidiParagraph::~BidiParagraph() {
  if (line_) ubidi_close(line_);
  if (paragraph_) ubidi_close(paragraph_);
}

std::vector<VisualRun> BidiParagraph::VisualRuns(int32_t from, int32_t to) const {
  std::vector<VisualRun> runs;
  if (from >= to) return runs;
  UErrorCode status = U_ZERO_ERROR;
  int32_t start = text_.utf16Offset[from];
  ubidi_setLine(paragraph_, start, text_.utf16Offset[to], line_, &status);
  Check(status, "line");
  int32_t count = ubidi_countRuns(line_, &status);
  Check(status, "runs");
  runs.reserve(count);
  for (int32_t index = 0; index < count; ++index) {
    int32_t logicalStart = 0, length = 0;
    UBiDiDirection direction = ubidi_getVisualRun(line_, index, &logicalStart, &length);
    runs.push_back({codePointAt_[start + logicalStart], codePointAt_[start + logicalStart + length],
                    direction == UBIDI_RTL});
  }
  return runs;
}

}  // namespace zvhost::compose
