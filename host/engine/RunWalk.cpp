#include "host/engine/RunWalk.h"

#include "host/engine/Documents.h"

namespace zvhost::engine {

const TextSpan *RunWalk::Find() {
  TextSpan &range = spans_[span_];
  Story *story = gDocuments->StoryOf(range);
  if (story == nullptr) return nullptr;
  run_.cachedStory = story;
  run_.cachedEpoch = range.cachedEpoch;
  run_.runHint = story->RunAt(run_.start, run_.runHint);
  run_.end = std::min(story->RunEnd(run_.runHint), rangeEnd_);
  runsRevision_ = story->RunsRevision();
  return &run_;
}

}  // namespace zvhost::engine
