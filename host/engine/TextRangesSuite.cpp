// "ATE TextRanges Suite": a set of text ranges, as the text selection is given.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATETextRangesSuite;

SpanList *Ranges(TextRangesRef ranges, const char *operation) {
  return Engine().rangeSets.Get(ranges, operation);
}

ATEErr Initialize(TextRangesRef *ranges) {
  if (ranges == nullptr) return kATEBadParameterErr;
  return HandOut(Engine().rangeSets, SpanList{}, ranges);
}

ATEErr GetSize(TextRangesRef ranges, int32_t *size) {
  SpanList *list = Ranges(ranges, "GetSize");
  if (list == nullptr || size == nullptr) return kATEBadParameterErr;
  *size = static_cast<int32_t>(list->spans.size());
  return kATENoError;
}

ATEErr Item(TextRangesRef ranges, int32_t index, TextRangeRef *range) {
  SpanList *list = Ranges(ranges, "Item");
  if (list == nullptr || range == nullptr) return kATEBadParameterErr;
  if (index < 0 || static_cast<size_t>(index) >= list->spans.size()) return kATEOutOfRangeErr;
  return HandOut(Engine().ranges, list->spans[static_cast<size_t>(index)], range);
}

ATEErr Add(TextRangesRef ranges, TextRangeRef range) {
  SpanList *list = Ranges(ranges, "Add");
  SpanInStory added = Resolve(Engine().ranges, range, "Add");
  if (list == nullptr || added.story == nullptr) return kATEBadParameterErr;
  list->spans.push_back(*added.span);
  return kATENoError;
}

ATEErr GetCharFeatures(TextRangesRef ranges, CharFeaturesRef *features) {
  SpanList *list = Ranges(ranges, "GetCharFeatures");
  if (list == nullptr || features == nullptr) return kATEBadParameterErr;
  CharFeatureSet read;
  bool first = true;
  for (TextSpan &span : list->spans) {
    const Story *story = OpenDocuments().StoryOf(span);
    if (story == nullptr) return kATEBadParameterErr;
    story->ReadCharFeatures(span.start, span.end, span.runHint, read, first);
  }
  return HandOut(Engine().charFeatures, read, features);
}

ATEErr SetLocalCharFeatures(TextRangesRef ranges, CharFeaturesRef features) {
  SpanList *list = Ranges(ranges, "SetLocalCharFeatures");
  const CharFeatureSet *set = Engine().charFeatures.Get(features, "SetLocalCharFeatures");
  if (list == nullptr || set == nullptr) return kATEBadParameterErr;
  // Every range must still be there before any is written, so a failure changes nothing.
  for (TextSpan &span : list->spans) {
    if (OpenDocuments().StoryOf(span) == nullptr) {
      return kATEBadParameterErr;
    }
  }
  for (TextSpan &span : list->spans) {
    OpenDocuments().StoryOf(span)->ApplyCharFeatures(span.start, span.end, *set);
  }
  return kATENoError;
}

ATEErr GetTextRunsIterator(TextRangesRef ranges, TextRunsIteratorRef *runs) {
  SpanList *list = Ranges(ranges, "GetTextRunsIterator");
  if (list == nullptr || runs == nullptr) return kATEBadParameterErr;
  return HandOut(Engine().runWalks, RunWalk(list->spans), runs);
}

#define TEXT_RANGES_OPERATIONS(X) \
  X(Initialize)                   \
  X(GetSize) X(Item) X(Add) X(GetCharFeatures) X(SetLocalCharFeatures) X(GetTextRunsIterator)

const ATETextRangesSuite kTable = {ZV_LEADING_ENTRIES(TextRangesRef)
                                       TEXT_RANGES_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferTextRangesSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATETextRangesSuiteVersion, &kTable,
               {TEXT_RANGES_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
