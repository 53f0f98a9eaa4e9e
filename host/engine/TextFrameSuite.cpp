// "ATE TextFrame Suite": a text frame, its story and the story direction it holds.
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATETextFrameSuite;

// The frame's art behind a handle, with its place; null for a bad or closed one.
Art *Find(TextFrameRef frame, const char *operation, FramePlace &place) {
  const FramePlace *found = Engine().frames.Get(frame, operation);
  if (found == nullptr) return nullptr;
  place = *found;
  Document *document = OpenDocuments().Find(place.document);
  return document == nullptr ? nullptr : &document->art[place.art];
}

ATEErr GetStory(TextFrameRef frame, StoryRef *story) {
  FramePlace place;
  const Art *art = Find(frame, "GetStory", place);
  if (art == nullptr || story == nullptr) return kATEBadParameterErr;
  return HandOut(Engine().stories, StoryPlace{place.document, static_cast<uint32_t>(art->story)},
                 story);
}

ATEErr GetTextRange(TextFrameRef frame, TextRangeRef *range) {
  FramePlace place;
  const Art *art = Find(frame, "GetTextRange", place);
  if (art == nullptr || range == nullptr) return kATEBadParameterErr;
  uint32_t storyIndex = static_cast<uint32_t>(art->story);
  Story &story = *OpenDocuments().FindStory(place.document, storyIndex);
  return HandOut(Engine().ranges,
                 OpenDocuments().SpanOf(place.document, storyIndex, story, 0, story.Length()),
                 range);
}

ATEErr GetStoryDirection(TextFrameRef frame, int32_t *direction) {
  FramePlace place;
  const Art *art = Find(frame, "GetStoryDirection", place);
  if (art == nullptr || direction == nullptr) return kATEBadParameterErr;
  *direction = art->storyDirection;
  return kATENoError;
}

ATEErr SetStoryDirection(TextFrameRef frame, int32_t direction) {
  FramePlace place;
  Art *art = Find(frame, "SetStoryDirection", place);
  if (art == nullptr) return kATEBadParameterErr;
  art->storyDirection = direction;
  return kATENoError;
}

#define TEXT_FRAME_OPERATIONS(X) \
  X(GetStory) X(GetTextRange) X(GetStoryDirection) X(SetStoryDirection)

const ATETextFrameSuite kTable = {ZV_LEADING_ENTRIES(TextFrameRef)
                                      TEXT_FRAME_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferTextFrameSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATETextFrameSuiteVersion, &kTable,
               {TEXT_FRAME_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
