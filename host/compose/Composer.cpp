#include "host/compose/Composer.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <unordered_map>

#include "host/compose/FontCache.h"
#include "host/compose/ParagraphComposer.h"

namespace zvhost::compose {

namespace {

// Lines stand 1.2 sizes apart, the first baseline one such step below the frame's top.
constexpr float kLeading = 1.2f;

// Where a frame's box goes when the file gives none.
constexpr float kDefaultFrameWidth = 360;
constexpr float kDefaultFrameHeight = 240;
constexpr float kDefaultFrameMargin = 24;

struct KeptParagraph {
  Measures measures;
  std::shared_ptr<const ParagraphLayout> layout;
};

// More lines than any frame holds, for frames taller than any page.
constexpr uint32_t kMostLinesInAFrame = 1u << 24;

// Walks down a story's frames one line at a time.
class FrameCursor {
 public:
  FrameCursor(std::span<const FrameBox> frames, float step) : frames_(frames), step_(step) {}

  // Moves to the frame where the next line fits (none: past the last).
  void Settle() {
    while (frame_ < frames_.size() && lines_ >= Capacity(frames_[frame_])) {
      ++frame_;
      lines_ = 0;
    }
  }
  // The widths of the lines from the next on: the room left in this frame, then each later
  // frame's; past the last frame, the last's width. Neighbouring frames of one width make one
  // step, so a paragraph's measures change only where its lines would change width.
  Measures MeasuresFromHere() const {
    if (frames_.empty()) return {{0, kDefaultFrameWidth}};
    Measures measures;
    uint32_t used = lines_;
    for (size_t frame = frame_; frame < frames_.size(); ++frame) {
      const uint32_t room = Capacity(frames_[frame]) - used;
      used = 0;
      if (room == 0) continue;
      if (!measures.empty() && measures.back().width == frames_[frame].width) {
        measures.back().lines += room;
      } else {
        measures.push_back({room, frames_[frame].width});
      }
    }
    if (measures.empty() || measures.back().width != frames_.back().width) {
      measures.push_back({0, frames_.back().width});
    }
    measures.back().lines = 0;  // the last width holds for every line after
    return measures;
  }
  // How many lines a frame holds: those whose baselines lie within its height.
  uint32_t Capacity(const FrameBox &frame) const {
    const double estimate = std::floor(frame.height / step_);
    if (!(estimate > 0)) return 0;
    if (estimate > kMostLinesInAFrame) return kMostLinesInAFrame;
    // The same test as for each line placed, so that rounding never parts the two.
    auto lines = static_cast<uint32_t>(estimate);
    while (lines > 0 && static_cast<float>(lines) * step_ > frame.height) --lines;
    while (static_cast<float>(lines + 1) * step_ <= frame.height) ++lines;
    return lines;
  }
  // Places the next line: its frame (-1: none) and baseline.
  LinePlace Place(uint32_t paragraph, uint32_t line) {
    Settle();
    LinePlace place{paragraph, line, -1, 0};
    if (frame_ < frames_.size()) {
      place.frame = static_cast<int32_t>(frame_);
      place.baseline = ++lines_ * step_;
    }
    return place;
  }

 private:
  std::span<const FrameBox> frames_;
  float step_;
  size_t frame_ = 0;
  uint32_t lines_ = 0;
};

}  // namespace

struct Composer::Kept {
  std::string family;
  float size = 0;
  std::unordered_map<uint64_t, KeptParagraph> paragraphs;  // by revision
  StoryLayout layout;
};

Composer::Composer() = default;
Composer::~Composer() = default;

const StoryLayout &Composer::Compose(uint32_t documentSerial, uint32_t storyIndex,
                                     const engine::Story &story, std::span<const FrameBox> frames) {
  std::unique_ptr<Kept> &kept = kept_[{documentSerial, storyIndex}];
  if (!kept) kept = std::make_unique<Kept>();
  std::shared_ptr<const Font> font = fonts_.Get(story.font);
  if (kept->family != story.font || kept->size != story.size) kept->paragraphs.clear();
  kept->family = story.font;
  kept->size = story.size;

  counts_ = {};
  StoryLayout layout;
  layout.font = font;
  layout.size = story.size;
  std::unordered_map<uint64_t, KeptParagraph> paragraphs;
  FrameCursor cursor(frames, kLeading * story.size);
  const std::vector<engine::Paragraph> &all = story.Paragraphs();
  for (uint32_t index = 0; index < all.size(); ++index) {
    cursor.Settle();
    Measures measures = cursor.MeasuresFromHere();
    KeptParagraph paragraph;
    auto found = kept->paragraphs.find(all[index].revision);
    if (found != kept->paragraphs.end() && found->second.measures == measures) {
      paragraph = found->second;
      ++counts_.reused;
    } else {
      auto layout = ComposeParagraph(story, index, *font, story.size, measures);
      paragraph = {std::move(measures), std::move(layout)};
      ++counts_.composed;
    }
    for (uint32_t line = 0; line < paragraph.layout->lines.size(); ++line) {
      LinePlace place = cursor.Place(index, line);
      if (place.frame < 0 && layout.overflowFrom < 0) {
        layout.overflowFrom = paragraph.layout->lines[line].from;
      }
      layout.places.push_back(place);
    }
    layout.paragraphs.push_back(paragraph.layout);
    paragraphs.emplace(all[index].revision, std::move(paragraph));
  }
  kept->paragraphs = std::move(paragraphs);
  kept->layout = std::move(layout);
  return kept->layout;
}

void Composer::Forget(uint32_t documentSerial) {
  for (auto kept = kept_.begin(); kept != kept_.end();) {
    kept = kept->first.first == documentSerial ? kept_.erase(kept) : std::next(kept);
  }
}

std::vector<FrameBox> FrameBoxes(const engine::Document &document) {
  std::vector<FrameBox> boxes(document.art.size());
  uint32_t textFrames = 0;
  for (size_t index = 0; index < document.art.size(); ++index) {
    const engine::Art &art = document.art[index];
    if (art.kind != engine::ArtKind::kText) continue;
    if (art.bounds) {
      boxes[index] = *art.bounds;
    } else {
      boxes[index] = {
          kDefaultFrameMargin,
          kDefaultFrameMargin + textFrames * (kDefaultFrameHeight + kDefaultFrameMargin),
          kDefaultFrameWidth, kDefaultFrameHeight};
    }
    ++textFrames;
  }
  return boxes;
}

}  // namespace zvhost::compose
