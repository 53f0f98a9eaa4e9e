// "ATE TextRunsIterator Suite": the text runs of a set of ranges, one step at a time. A step
// is O(1): the walk keeps its run (RunWalk.h).
#include "host/engine/EngineSuites.h"
#include "host/engine/SuiteSupport.h"

namespace zvhost::engine {

namespace {

constexpr char kSuite[] = kATETextRunsIteratorSuite;

HandleTable<RunWalk> &Walks() {
  return Engine().runWalks;
}

// The current run of a live walk, for a step that reads or moves it. No walk: a handle to
// refuse. No run: `error` is the answer for a walk that is done or whose document is closed.
struct Step {
  RunWalk *walk = nullptr;
  const TextSpan *run = nullptr;
  ATEErr error = kATENoError;
};

inline Step StepOf(TextRunsIteratorRef runs) {
  Step step;
  step.walk = Walks().Live(runs);
  if (step.walk == nullptr) [[unlikely]]
    return step;
  if (step.walk->Done()) {
    step.error = kATEOutOfRangeErr;
    return step;
  }
  step.run = step.walk->Current(OpenDocuments().CloseEpoch());
  if (step.run == nullptr) step.error = kATEBadParameterErr;
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
  const Step step = StepOf(runs);
  if (step.walk == nullptr) [[unlikely]]
    return Refuse(Walks(), runs, "Next");
  if (step.run == nullptr) return step.error;
  step.walk->Next();
  return kATENoError;
}

// The run's range starts out knowing its story and its run, as the walk does.
ATEErr Item(TextRunsIteratorRef runs, TextRangeRef *run) {
  if (run == nullptr) return kATEBadParameterErr;
  const Step step = StepOf(runs);
  if (step.walk == nullptr) [[unlikely]]
    return Refuse(Walks(), runs, "Item");
  if (step.run == nullptr) return step.error;
  return HandOut(Engine().ranges, *step.run, run);
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
