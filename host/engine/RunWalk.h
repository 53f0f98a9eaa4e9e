// A walk over the text runs of a set of ranges, as a run iterator hands them out. The walk
// keeps its current run (the run's index, its story and where it ends in the range) and
// steps to the next by index, so a step neither searches nor checks the run again. It finds
// the run again only when the story's runs changed or a document closed since it was found:
// a walk follows the text as the module edits it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "host/engine/EngineObjects.h"
#include "host/engine/Story.h"

namespace zvhost::engine {

class RunWalk {
 public:
  RunWalk() = default;
  // A walk on the first run of `spans`.
  explicit RunWalk(std::vector<TextSpan> spans) : spans_(std::move(spans)) { MoveToFirst(); }

  // Whether the walk has passed the last range.
  bool Done() const { return done_; }
  // Back to the first run of the first range that has one.
  void MoveToFirst() {
    span_ = 0;
    if (!spans_.empty()) Enter();
    Settle();
  }

  // The current run clipped to its range, as a range to hand out; null once the walk's
  // document is closed. Not for a walk that is done. `closeEpoch` is the open documents'
  // CloseEpoch().
  const TextSpan *Current(uint32_t closeEpoch) {
    if (run_.cachedEpoch == closeEpoch && run_.cachedStory->RunsRevision() == runsRevision_)
        [[likely]]
      return &run_;
    return Find();
  }
  // On to the next run; only after Current() has found the current one.
  void Next() {
    run_.start = run_.end;
    if (run_.start < rangeEnd_) [[likely]] {
      ++run_.runHint;
      run_.end = std::min(run_.cachedStory->RunEnd(run_.runHint), rangeEnd_);
      return;
    }
    Settle();
  }

 private:
  // Finds the current run's story, index and end; null once its document is closed.
  const TextSpan *Find();
  // Onto the start of the range `span_`; its run is found at the next step.
  void Enter() {
    run_ = spans_[span_];
    rangeEnd_ = run_.end;
    run_.cachedEpoch = 0;
  }
  // Past every range that has no run left.
  void Settle() {
    done_ = span_ >= spans_.size();
    while (!done_ && run_.start >= rangeEnd_) {
      done_ = ++span_ >= spans_.size();
      if (!done_) Enter();
    }
  }

  std::vector<TextSpan> spans_;
  uint32_t span_ = 0;
  bool done_ = true;  // span_ is past the last range
  // The current run: it starts at the walk's position. Its end, run index and story hold
  // while the story's runs are at runsRevision_ and no document has closed since
  // run_.cachedEpoch (0: not found since the walk entered the range).
  TextSpan run_;
  uint32_t runsRevision_ = 0;
  int32_t rangeEnd_ = 0;  // spans_[span_].end
};

}  // namespace zvhost::engine
