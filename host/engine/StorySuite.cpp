// "ATE Story Suite": a story with the text frames it is threaded through.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATEStorySuite;

// The story behind a handle, with its place; the story is null for a bad or closed one.
Story *Find(StoryRef story, const char *operation, StoryPlace &place) {
  const StoryPlace *found = Engine().stories.Get(story, operation);
  if (found == nullptr) return nullptr;
  place = *found;
  return OpenDocuments().FindStory(place.document, place.story);
}

ATEErr GetFrameCount(StoryRef story, int32_t *count) {
  StoryPlace place;
  const Story *found = Find(story, "GetFrameCount", place);
  if (found == nullptr || count == nullptr) return kATEBadParameterErr;
  *count = static_cast<int32_t>(found->frames.size());
  return kATENoError;
}

ATEErr GetFrame(StoryRef story, int32_t index, TextFrameRef *frame) {
  StoryPlace place;
  const Story *found = Find(story, "GetFrame", place);
  if (found == nullptr || frame == nullptr) return kATEBadParameterErr;
  if (index < 0 || static_cast<size_t>(index) >= found->frames.size()) return kATEOutOfRangeErr;
  uint32_t art = static_cast<uint32_t>(found->frames[static_cast<size_t>(index)]);
  return HandOut(Engine().frames, FramePlace{place.document, art}, frame);
}

ATEErr GetTextRange(StoryRef story, TextRangeRef *range) {
  StoryPlace place;
  Story *found = Find(story, "GetTextRange", place);
  if (found == nullptr || range == nullptr) return kATEBadParameterErr;
  return HandOut(Engine().ranges,
                 OpenDocuments().SpanOf(place.document, place.story, *found, 0, found->Length()),
                 range);
}

#define STORY_OPERATIONS(X) X(GetFrameCount) X(GetFrame) X(GetTextRange)

const ATEStorySuite kTable = {ZV_LEADING_ENTRIES(StoryRef) STORY_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferStorySuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATEStorySuiteVersion, &kTable, {STORY_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
