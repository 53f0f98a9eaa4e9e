// The text engine's reference-counted objects: one handle table per kind the engine hands
// out, each named by its kind for `dump refs` and by its suite for misuse findings.
#pragma once

#include <cstddef>

#include "ate/ATESuites.h"
#include "host/core/HandleTable.h"
#include "host/engine/Attributes.h"
#include "host/engine/EngineObjects.h"
#include "host/engine/RunWalk.h"

namespace zvhost::engine {

class TextEngine {
 public:
  TextEngine();

  HandleTable<TextSpan> ranges;
  HandleTable<SpanList> rangeSets;
  HandleTable<RunWalk> runWalks;
  HandleTable<CharFeatureSet> charFeatures;
  HandleTable<ParaFeatureSet> paraFeatures;
  HandleTable<TextSpan> charInspectors;
  HandleTable<ValueArray> kashidasArrays;
  HandleTable<ValueArray> dirOverrideArrays;
  HandleTable<ValueArray> digitSetArrays;
  HandleTable<ValueArray> diacVPosArrays;
  HandleTable<StoryPlace> stories;
  HandleTable<FramePlace> frames;
};

// The table behind a handle kind, for code that serves every kind alike (the leading
// operations); kinds the engine never hands out have none.
template <class Ref>
struct TableOf {
  static constexpr std::nullptr_t member = nullptr;
};
#define ZV_ENGINE_TABLE(Ref, field)                    \
  template <>                                          \
  struct TableOf<Ref> {                                \
    static constexpr auto member = &TextEngine::field; \
  }
ZV_ENGINE_TABLE(TextRangeRef, ranges);
ZV_ENGINE_TABLE(TextRangesRef, rangeSets);
ZV_ENGINE_TABLE(TextRunsIteratorRef, runWalks);
ZV_ENGINE_TABLE(CharFeaturesRef, charFeatures);
ZV_ENGINE_TABLE(ParaFeaturesRef, paraFeatures);
ZV_ENGINE_TABLE(CharInspectorRef, charInspectors);
ZV_ENGINE_TABLE(ArrayKashidasRef, kashidasArrays);
ZV_ENGINE_TABLE(ArrayDirOverrideRef, dirOverrideArrays);
ZV_ENGINE_TABLE(ArrayDigitSetRef, digitSetArrays);
ZV_ENGINE_TABLE(ArrayDiacVPosRef, diacVPosArrays);
ZV_ENGINE_TABLE(StoryRef, stories);
ZV_ENGINE_TABLE(TextFrameRef, frames);
#undef ZV_ENGINE_TABLE

}  // namespace zvhost::engine
