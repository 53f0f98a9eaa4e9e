// "ATE CharInspector Suite": for each attribute, the values of the runs of a range.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATECharInspectorSuite;

template <class Ref>
ATEErr Inspect(CharInspectorRef inspector, CharAttribute attribute, HandleTable<ValueArray> &arrays,
               Ref *values, const char *operation) {
  if (values == nullptr) return kATEBadParameterErr;
  SpanInStory found = Resolve(Engine().charInspectors, inspector, operation);
  if (found.story == nullptr) return kATEBadParameterErr;
  ValueArray array;
  const TextSpan &span = *found.span;
  found.story->ForEachRun(span.start, span.end, span.runHint,
                          [&](int32_t, int32_t, const CharAttributes &attributes) {
                            array.Push(attributes[attribute]);
                          });
  return HandOut(arrays, std::move(array), values);
}

ATEErr ZV_API GetKashidas(CharInspectorRef inspector, ArrayKashidasRef *values) {
  ZV_FAILPOINT(GetKashidas);
  return Inspect(inspector, kKashidas, Engine().kashidasArrays, values, "GetKashidas");
}

ATEErr ZV_API GetDirOverride(CharInspectorRef inspector, ArrayDirOverrideRef *values) {
  ZV_FAILPOINT(GetDirOverride);
  return Inspect(inspector, kDirOverride, Engine().dirOverrideArrays, values, "GetDirOverride");
}

ATEErr ZV_API GetDigitSet(CharInspectorRef inspector, ArrayDigitSetRef *values) {
  ZV_FAILPOINT(GetDigitSet);
  return Inspect(inspector, kDigitSet, Engine().digitSetArrays, values, "GetDigitSet");
}

ATEErr ZV_API GetDiacVPos(CharInspectorRef inspector, ArrayDiacVPosRef *values) {
  ZV_FAILPOINT(GetDiacVPos);
  return Inspect(inspector, kDiacVPos, Engine().diacVPosArrays, values, "GetDiacVPos");
}

#define CHAR_INSPECTOR_OPERATIONS(X) X(GetKashidas) X(GetDirOverride) X(GetDigitSet) X(GetDiacVPos)

const ATECharInspectorSuite kTable = {ZV_LEADING_ENTRIES(CharInspectorRef)
                                          CHAR_INSPECTOR_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferCharInspectorSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATECharInspectorSuiteVersion, &kTable,
               {CHAR_INSPECTOR_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
