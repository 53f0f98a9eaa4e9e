// "ATE TextRunsIterator Suite": the text runs of a set of ranges, one step at a time. A step
// is O(1): the walk keeps the index of its run and checks it instead of searching.
#include <algorithm>

#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATETextRunsIteratorSuite;

// The walk behind a handle, and the story of its current range (null when done).
struct WalkInStory {
  RunWalk *walk = nullptr;
  Story *story = nullptr;
};

// kATENoError with the walk found; a closed document's walk is refused like a dead handle.
ATEErr Find(TextRunsIteratorRef runs, const char *operation, WalkInStory &found) {
  found.walk = Engine().runWalks.Get(runs, operation);
  if (found.walk == nullptr) return kATEBadParameterErr;
  if (found.walk->Done()) return kATENoError;
  found.story = OpenDocuments().StoryOf(found.walk->spans[found.walk->span]);
  return found.story == nullptr ? kATEBadParameterErr : kATENoError;
}

ATEErr ZV_API MoveToFirst(TextRunsIteratorRef runs) {
  ZV_FAILPOINT(MoveToFirst);
  RunWalk *walk = Engine().runWalks.Get(runs, "MoveToFirst");
  if (walk == nullptr) return kATEBadParameterErr;
  walk->MoveToFirst();
  return kATENoError;
}

// Whether a run remains is the walk's own state; the document is asked for by the steps
// that read text.
ATEErr ZV_API IsNotDone(TextRunsIteratorRef runs, HostBool *notDone) {
  ZV_FAILPOINT(IsNotDone);
  const RunWalk *walk = Engine().runWalks.Get(runs, "IsNotDone");
  if (walk == nullptr || notDone == nullptr) return kATEBadParameterErr;
  *notDone = walk->Done() ? 0 : 1;
  return kATENoError;
}

ATEErr ZV_API Next(TextRunsIteratorRef runs) {
  ZV_FAILPOINT(Next);
  WalkInStory found;
  if (ATEErr err = Find(runs, "Next", found)) return err;
  RunWalk &walk = *found.walk;
  if (walk.Done()) return kATEOutOfRangeErr;
  uint32_t run = found.story->RunAt(walk.cursor, walk.runHint);
  walk.cursor = std::min(found.story->RunEnd(run), walk.spans[walk.span].end);
  walk.runHint = run + 1;
  walk.Settle();
  return kATENoError;
}

ATEErr ZV_API Item(TextRunsIteratorRef runs, TextRangeRef *run) {
  ZV_FAILPOINT(Item);
  if (run == nullptr) return kATEBadParameterErr;
  WalkInStory found;
  if (ATEErr err = Find(runs, "Item", found)) return err;
  RunWalk &walk = *found.walk;
  if (walk.Done()) return kATEOutOfRangeErr;
  const TextSpan &span = walk.spans[walk.span];
  uint32_t index = found.story->RunAt(walk.cursor, walk.runHint);
  walk.runHint = index;
  int32_t end = std::min(found.story->RunEnd(index), span.end);
  // The run's range starts out knowing its story, as the walk's range does.
  return HandOut(Engine().ranges,
                 TextSpan{span.document, span.story, walk.cursor, end, index, span.cachedEpoch,
                          span.cachedStory},
                 run);
}

#define TEXT_RUNS_ITERATOR_OPERATIONS(X) X(MoveToFirst) X(IsNotDone) X(Next) X(Item)

const ATETextRunsIteratorSuite kTable = {ZV_LEADING_ENTRIES(TextRunsIteratorRef)
                                             TEXT_RUNS_ITERATOR_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferTextRunsIteratorSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATETextRunsIteratorSuiteVersion, &kTable,
               {TEXT_RUNS_ITERATOR_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
