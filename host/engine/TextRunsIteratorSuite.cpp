// "ATE TextRunsIterator Suite": the text runs of a set of ranges, one step at a time. A step
// is O(1): the walk keeps the index of its run and checks it instead of searching.
#include <algorithm>

#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATETextRunsIteratorSuite;

HandleTable<RunWalk> &Walks() {
  return Engine().runWalks;
}

// What a step of a walk needs: the walk behind a live handle, and the story of the range it
// is in. No walk: a handle to refuse; else `error` is kATENoError, or the answer for a walk
// that is done or whose document is closed.
struct Step {
  RunWalk *walk = nullptr;
  const Story *story = nullptr;
  ATEErr error = kATENoError;
};

inline Step StepOf(TextRunsIteratorRef runs) {
  Step step;
  step.walk = Walks().Live(runs);
  if (step.walk == nullptr) return step;
  if (step.walk->Done()) {
    step.error = kATEOutOfRangeErr;
    return step;
  }
  step.story = OpenDocuments().StoryOf(step.walk->spans[step.walk->span]);
  if (step.story == nullptr) step.error = kATEBadParameterErr;
  return step;
}

ATEErr MoveToFirst(TextRunsIteratorRef runs) {
  RunWalk *walk = Walks().Live(runs);
  if (walk == nullptr) [[unlikely]]
    return Refuse(Walks(), runs, "MoveToFirst");
  walk->MoveToFirst();
  return kATENoError;
}

// Whether a run remains is the walk's own state; the document is asked for by the steps
// that read text.
ATEErr IsNotDone(TextRunsIteratorRef runs, HostBool *notDone) {
  const RunWalk *walk = Walks().Live(runs);
  if (walk == nullptr) [[unlikely]]
    return Refuse(Walks(), runs, "IsNotDone");
  if (notDone == nullptr) return kATEBadParameterErr;
  *notDone = walk->Done() ? 0 : 1;
  return kATENoError;
}

ATEErr Next(TextRunsIteratorRef runs) {
  const auto [walk, story, error] = StepOf(runs);
  if (walk == nullptr) [[unlikely]]
    return Refuse(Walks(), runs, "Next");
  if (error != kATENoError) return error;
  uint32_t run = story->RunAt(walk->cursor, walk->runHint);
  walk->cursor = std::min(story->RunEnd(run), walk->spans[walk->span].end);
  walk->runHint = run + 1;
  walk->Settle();
  return kATENoError;
}

ATEErr Item(TextRunsIteratorRef runs, TextRangeRef *run) {
  if (run == nullptr) return kATEBadParameterErr;
  const auto [walk, story, error] = StepOf(runs);
  if (walk == nullptr) [[unlikely]]
    return Refuse(Walks(), runs, "Item");
  if (error != kATENoError) return error;
  const TextSpan &span = walk->spans[walk->span];
  uint32_t index = story->RunAt(walk->cursor, walk->runHint);
  walk->runHint = index;
  int32_t end = std::min(story->RunEnd(index), span.end);
  // The run's range starts out knowing its story, as the walk's range does.
  return HandOut(Engine().ranges,
                 TextSpan{span.document, span.story, walk->cursor, end, index, span.cachedEpoch,
                          span.cachedStory},
                 run);
}

#define TEXT_RUNS_ITERATOR_OPERATIONS(X) X(MoveToFirst) X(IsNotDone) X(Next) X(Item)

const ATETextRunsIteratorSuite kTable = {ZV_LEADING_ENTRIES(TextRunsIteratorRef)
                                             TEXT_RUNS_ITERATOR_OPERATIONS(ZV_CHECKED_ENTRY)};

}  // namespace

void OfferTextRunsIteratorSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kATETextRunsIteratorSuiteVersion, &kTable,
               {TEXT_RUNS_ITERATOR_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost::engine
