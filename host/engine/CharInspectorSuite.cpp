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
  HandleTable<TextSpan> &inspectors = Engine().charInspectors;
  SpanInStory found = LiveSpan(inspectors, inspector);
  if (found.span == nullptr) [[unlikely]]
    return Refuse(inspectors, inspector, operation);
  if (found.story == nullptr) return kATEBadParameterErr;
  const TextSpan &span = *found.span;
  const Story &story = *found.story;
  return HandOutFilled(
      arrays,
      [&](ValueArray &array) {
        story.ForEachRun(span.start, span.end, span.runHint,
                         [&](int32_t, int32_t, const CharAttributes &attributes) {
                           array.Push(attributes[attribute]);
                         });
      },
      values);
}

ATEErr GetKashidas(CharInspectorRef inspector, ArrayKashidasRef *values) {
  return Inspect(inspector, kKashidas, Engine().kashidasArrays, values, "GetKashidas");
}

ATEErr GetDirOverride(CharInspectorRef inspector, ArrayDirOverrideRef *values) {
  return Inspect(inspector, kDirOverride, Engine().dirOverrideArrays, values, "GetDirOverride");
}

ATEErr GetDigitSet(CharInspectorRef inspector, ArrayDigitSetRef *values) {
  return Inspect(inspector, kDigitSet, Engine().digitSetArrays, values, "GetDigitSet");
}

ATEErr GetDiacVPos(CharInspectorRef inspector, ArrayDiacVPosRef *values) {
  return Inspect(inspector, kDiacVPos, Engine().diacVPosArrays, values, "GetDiacVPos");
}

#define CHAR_INSPECTOR_OPERATIONS(X) X(GetKashidas) X(GetDirOverride) X(GetDigitSet) X(GetDiacVPos)

const ATECharInspectorSuite kTable = {ZV_LEADING_ENTRIES(CharInspectorRef)
                                          CHAR_INSPECTOR_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferCharInspectorSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATECharInspectorSuiteVersion, &kTable,
               {CHAR_INSPECTOR_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
