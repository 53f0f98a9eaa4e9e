// What the text engine's handles stand for. Objects that show document text name their
// document by serial and their story by index rather than pointing at them, so a handle of
// a closed document is refused instead of followed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "HostTypes.h"

namespace zvhost::engine {

class Story;

// Characters [start, end) of one story: a text range, and what a character inspector reads.
struct TextSpan {
  uint32_t document = 0;
  uint32_t story = 0;
  int32_t start = 0;
  int32_t end = 0;
  // The run that held `start` when the span was made; tried before any search.
  uint32_t runHint = 0;
  // The story found for the span, good while no document has closed since (Documents'
  // close epoch); spares every call on the span the search for its document.
  uint32_t cachedEpoch = 0;
  Story *cachedStory = nullptr;

  bool SameText(const TextSpan &other) const {
    return document == other.document && story == other.story && start == other.start &&
           end == other.end;
  }
};

// A set of text ranges.
struct SpanList {
  std::vector<TextSpan> spans;
};

struct StoryPlace {
  uint32_t document = 0;
  uint32_t story = 0;
};

// A text frame: an art object of type text.
struct FramePlace {
  uint32_t document = 0;
  uint32_t art = 0;
};

// A snapshot of attribute values, one per run read. A run step reads one value, so a few
// values live inline and only longer arrays allocate.
class ValueArray {
 public:
  void Push(int32_t value) {
    if (size_ < kInline) [[likely]] {
      inline_[static_cast<size_t>(size_)] = value;
      ++size_;
      return;
    }
    PushMore(value);
  }
  int32_t Size() const { return size_; }
  // `index` must be below Size().
  int32_t At(int32_t index) const {
    return index < kInline ? inline_[static_cast<size_t>(index)]
                           : more_[static_cast<size_t>(index - kInline)];
  }

 private:
  static constexpr int32_t kInline = 4;

  // Past the values kept inline: out of line, so that a push of a range's few runs is inline.
  ZV_COLD void PushMore(int32_t value) {
    more_.push_back(value);
    ++size_;
  }

  std::array<int32_t, kInline> inline_{};
  std::vector<int32_t> more_;
  int32_t size_ = 0;
};

}  // namespace zvhost::engine
