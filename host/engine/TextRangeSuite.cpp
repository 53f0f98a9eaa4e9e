// "ATE TextRange Suite": characters [start, end) of one story.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATETextRangeSuite;

SpanInStory Range(TextRangeRef range, const char *operation) {
  return Resolve(Engine().ranges, range, operation);
}

template <class Value>
ATEErr ReadNumber(TextRangeRef range, Value *out, const char *operation,
                  Value (*read)(const TextSpan &)) {
  if (out == nullptr) return kATEBadParameterErr;
  SpanInStory found = Range(range, operation);
  if (found.story == nullptr) return kATEBadParameterErr;
  *out = read(*found.span);
  return kATENoError;
}

ATEErr GetStart(TextRangeRef range, int32_t *start) {
  return ReadNumber<int32_t>(range, start, "GetStart", [](const TextSpan &s) { return s.start; });
}

ATEErr GetEnd(TextRangeRef range, int32_t *end) {
  return ReadNumber<int32_t>(range, end, "GetEnd", [](const TextSpan &s) { return s.end; });
}

ATEErr GetSize(TextRangeRef range, int32_t *size) {
  return ReadNumber<int32_t>(range, size, "GetSize",
                             [](const TextSpan &s) { return s.end - s.start; });
}

ATEErr IsEqual(TextRangeRef range, TextRangeRef other, HostBool *equal) {
  if (equal == nullptr) return kATEBadParameterErr;
  SpanInStory first = Range(range, "IsEqual");
  SpanInStory second = Range(other, "IsEqual");
  if (first.story == nullptr || second.story == nullptr) return kATEBadParameterErr;
  *equal = first.span->SameText(*second.span) ? 1 : 0;
  return kATENoError;
}

ATEErr GetStory(TextRangeRef range, StoryRef *story) {
  if (story == nullptr) return kATEBadParameterErr;
  SpanInStory found = Range(range, "GetStory");
  if (found.story == nullptr) return kATEBadParameterErr;
  return HandOut(Engine().stories, StoryPlace{found.span->document, found.span->story}, story);
}

ATEErr GetCharInspector(TextRangeRef range, CharInspectorRef *inspector) {
  if (inspector == nullptr) return kATEBadParameterErr;
  SpanInStory found = LiveSpan(Engine().ranges, range);
  if (found.span == nullptr) [[unlikely]]
    return Refuse(Engine().ranges, range, "GetCharInspector");
  if (found.story == nullptr) return kATEBadParameterErr;
  return HandOut(Engine().charInspectors, *found.span, inspector);
}

ATEErr GetParaFeatures(TextRangeRef range, ParaFeaturesRef *features) {
  if (features == nullptr) return kATEBadParameterErr;
  SpanInStory found = Range(range, "GetParaFeatures");
  if (found.story == nullptr) return kATEBadParameterErr;
  ParaFeatureSet read;
  bool first = true;
  found.story->ReadParaFeatures(found.span->start, found.span->end, read, first);
  return HandOut(Engine().paraFeatures, read, features);
}

ATEErr GetCharFeatures(TextRangeRef range, CharFeaturesRef *features) {
  if (features == nullptr) return kATEBadParameterErr;
  SpanInStory found = LiveSpan(Engine().ranges, range);
  if (found.span == nullptr) [[unlikely]]
    return Refuse(Engine().ranges, range, "GetCharFeatures");
  if (found.story == nullptr) return kATEBadParameterErr;
  const TextSpan &span = *found.span;
  const Story &story = *found.story;
  // A span within one run, the common case, is made straight from the run's attributes. A
  // set built on the stack first would be copied in wider moves than it was written with,
  // and those wait until the writes are done.
  if (const CharAttributes *sole = story.SoleRunAttributes(span.start, span.end, span.runHint))
      [[likely]]
    return HandOut(Engine().charFeatures, CharFeatureSet{*sole, CharFeatureSet::kAll}, features);
  return HandOut(Engine().charFeatures, story.CharFeaturesOf(span.start, span.end, span.runHint),
                 features);
}

ATEErr SetLocalParaFeatures(TextRangeRef range, ParaFeaturesRef features) {
  SpanInStory found = Range(range, "SetLocalParaFeatures");
  const ParaFeatureSet *set = Engine().paraFeatures.Get(features, "SetLocalParaFeatures");
  if (found.story == nullptr || set == nullptr) return kATEBadParameterErr;
  found.story->ApplyParaFeatures(found.span->start, found.span->end, *set);
  return kATENoError;
}

ATEErr SetLocalCharFeatures(TextRangeRef range, CharFeaturesRef features) {
  SpanInStory found = Range(range, "SetLocalCharFeatures");
  const CharFeatureSet *set = Engine().charFeatures.Get(features, "SetLocalCharFeatures");
  if (found.story == nullptr || set == nullptr) return kATEBadParameterErr;
  found.story->ApplyCharFeatures(found.span->start, found.span->end, *set);
  return kATENoError;
}

#define TEXT_RANGE_OPERATIONS(X) \
  X(GetStart)                    \
  X(GetEnd)                      \
  X(GetSize)                     \
  X(IsEqual)                     \
  X(GetStory)                    \
  X(GetCharInspector)            \
  X(GetParaFeatures) X(GetCharFeatures) X(SetLocalParaFeatures) X(SetLocalCharFeatures)

const ATETextRangeSuite kTable = {ZV_LEADING_ENTRIES(TextRangeRef)
                                      TEXT_RANGE_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferTextRangeSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATETextRangeSuiteVersion, &kTable,
               {TEXT_RANGE_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
