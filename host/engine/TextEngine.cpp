#include "host/engine/TextEngine.h"

namespace zvhost::engine {

namespace {
constexpr LiveCategory kEngine = LiveCategory::TextEngine;
}  // namespace

TextEngine::TextEngine()
    : ranges("TextRange", kATETextRangeSuite, kEngine),
      rangeSets("TextRanges", kATETextRangesSuite, kEngine),
      runWalks("TextRunsIterator", kATETextRunsIteratorSuite, kEngine),
      charFeatures("CharFeatures", kATECharFeaturesSuite, kEngine),
      paraFeatures("ParaFeatures", kATEParaFeaturesSuite, kEngine),
      charInspectors("CharInspector", kATECharInspectorSuite, kEngine),
      kashidasArrays("ArrayKashidas", kATEArrayKashidasSuite, kEngine),
      dirOverrideArrays("ArrayDirOverride", kATEArrayDirOverrideSuite, kEngine),
      digitSetArrays("ArrayDigitSet", kATEArrayDigitSetSuite, kEngine),
      diacVPosArrays("ArrayDiacVPos", kATEArrayDiacVPosSuite, kEngine),
      stories("Story", kATEStorySuite, kEngine),
      frames("TextFrame", kATETextFrameSuite, kEngine) {}

}  // namespace zvhost::engine
