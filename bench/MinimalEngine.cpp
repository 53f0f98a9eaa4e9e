#include "MinimalEngine.h"

#include <bit>

#include "BenchDocument.h"

namespace zvbench {

namespace {

const MinimalEngine *gEngine = nullptr;

struct Walk {
  uint32_t run = 0;
};

// Handles of runs, features, inspectors and arrays alike: the run's index plus one.
template <class Ref>
Ref RunHandle(uint32_t run) {
  return reinterpret_cast<Ref>(static_cast<uintptr_t>(run) + 1);
}
template <class Ref>
const MinimalEngine::Run &RunOf(Ref ref) {
  return gEngine->runs[reinterpret_cast<uintptr_t>(ref) - 1];
}
template <class Ref>
void ZV_API Keep(Ref) {}

ATEErr ZV_API GetTextRunsIterator(TextRangesRef, TextRunsIteratorRef *walk) {
  *walk = reinterpret_cast<TextRunsIteratorRef>(new Walk);
  return kATENoError;
}
void ZV_API ReleaseWalk(TextRunsIteratorRef walk) {
  delete reinterpret_cast<Walk *>(walk);
}
ATEErr ZV_API MoveToFirst(TextRunsIteratorRef walk) {
  reinterpret_cast<Walk *>(walk)->run = 0;
  return kATENoError;
}
ATEErr ZV_API IsNotDone(TextRunsIteratorRef walk, HostBool *notDone) {
  *notDone = reinterpret_cast<Walk *>(walk)->run < gEngine->runs.size();
  return kATENoError;
}
ATEErr ZV_API Next(TextRunsIteratorRef walk) {
  ++reinterpret_cast<Walk *>(walk)->run;
  return kATENoError;
}
ATEErr ZV_API Item(TextRunsIteratorRef walk, TextRangeRef *run) {
  *run = RunHandle<TextRangeRef>(reinterpret_cast<Walk *>(walk)->run);
  return kATENoError;
}
ATEErr ZV_API GetCharFeatures(TextRangeRef run, CharFeaturesRef *features) {
  *features = reinterpret_cast<CharFeaturesRef>(run);
  return kATENoError;
}
ATEErr ZV_API GetCharInspector(TextRangeRef run, CharInspectorRef *inspector) {
  *inspector = reinterpret_cast<CharInspectorRef>(run);
  return kATENoError;
}
template <size_t kAttribute, class Value>
ATEErr ZV_API GetFeature(CharFeaturesRef features, HostBool *assigned, Value *value) {
  const int32_t bits = RunOf(features).attributes[kAttribute];
  if constexpr (std::is_same_v<Value, float>) {
    *value = std::bit_cast<float>(bits);
  } else {
    *value = bits;
  }
  *assigned = 1;
  return kATENoError;
}
ATEErr ZV_API GetKashidas(CharInspectorRef inspector, ArrayKashidasRef *values) {
  *values = reinterpret_cast<ArrayKashidasRef>(inspector);
  return kATENoError;
}
ATEErr ZV_API GetSize(ArrayKashidasRef, int32_t *size) {
  *size = 1;
  return kATENoError;
}
ATEErr ZV_API KashidasItem(ArrayKashidasRef values, int32_t, Kashidas *value) {
  *value = RunOf(values).attributes[5];
  return kATENoError;
}

ATETextRangesSuite RangesSuite() {
  ATETextRangesSuite suite{};
  suite.Release = Keep<TextRangesRef>;
  suite.GetTextRunsIterator = GetTextRunsIterator;
  return suite;
}
ATETextRangeSuite RangeSuite() {
  ATETextRangeSuite suite{};
  suite.Release = Keep<TextRangeRef>;
  suite.GetCharFeatures = GetCharFeatures;
  suite.GetCharInspector = GetCharInspector;
  return suite;
}
ATETextRunsIteratorSuite RunsSuite() {
  ATETextRunsIteratorSuite suite{};
  suite.Release = ReleaseWalk;
  suite.MoveToFirst = MoveToFirst;
  suite.IsNotDone = IsNotDone;
  suite.Next = Next;
  suite.Item = Item;
  return suite;
}
ATECharFeaturesSuite FeaturesSuite() {
  ATECharFeaturesSuite suite{};
  suite.Release = Keep<CharFeaturesRef>;
  suite.GetDirOverride = GetFeature<0, DirOverride>;
  suite.GetDigitSet = GetFeature<1, DigitSet>;
  suite.GetDiacVPos = GetFeature<2, DiacVPos>;
  suite.GetDiacXOffset = GetFeature<3, float>;
  suite.GetDiacYOffset = GetFeature<4, float>;
  return suite;
}
ATECharInspectorSuite InspectorSuite() {
  ATECharInspectorSuite suite{};
  suite.Release = Keep<CharInspectorRef>;
  suite.GetKashidas = GetKashidas;
  return suite;
}
ATEArrayKashidasSuite KashidasSuite() {
  ATEArrayKashidasSuite suite{};
  suite.Release = Keep<ArrayKashidasRef>;
  suite.GetSize = GetSize;
  suite.Item = KashidasItem;
  return suite;
}

const ATETextRangesSuite kRanges = RangesSuite();
const ATETextRangeSuite kRange = RangeSuite();
const ATETextRunsIteratorSuite kRuns = RunsSuite();
const ATECharFeaturesSuite kFeatures = FeaturesSuite();
const ATECharInspectorSuite kInspector = InspectorSuite();
const ATEArrayKashidasSuite kKashidas = KashidasSuite();

}  // namespace

MinimalEngine::MinimalEngine(int count) {
  runs.reserve(static_cast<size_t>(count));
  for (int run = 0; run < count; ++run) runs.push_back({run * kRunLength, RunAttributes(run)});
  gEngine = this;
}

MinimalEngine::~MinimalEngine() {
  gEngine = nullptr;
}

WalkSuites MinimalEngine::Suites() const {
  return {&kRanges, &kRange, &kRuns, &kFeatures, &kInspector, &kKashidas};
}

TextRangesRef MinimalEngine::Selection() const {
  return reinterpret_cast<TextRangesRef>(const_cast<MinimalEngine *>(this));
}

}  // namespace zvbench
