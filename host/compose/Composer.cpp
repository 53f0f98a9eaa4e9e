#include "host/compose/Composer.h"

#include <algorithm>
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
  float measure = 0;
  std::shared_ptr<const ParagraphLayout> layout;
};

// Walks down a story's frames one line at a time.
class FrameCursor {
 public:
  FrameCursor(std::span<const FrameBox> frames, float step) : frames_(frames), step_(step) {}

  // Moves to the frame where the next line fits (none: past the last).
  void Settle() {
    while (frame_ < frames_.size() && (lines_ + 1) * step_ > frames_[frame_].height) {
      ++frame_;
      lines_ = 0;
    }
  }
  // The measure of the frame the next line goes in; past the last frame, the last's.
  float Measure() const {
    if (frames_.empty()) return kDefaultFrameWidth;
    return frames_[std::min<size_t>(frame_, frames_.size() - 1)].width;
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
    float measure = cursor.Measure();
    KeptParagraph paragraph;
    auto found = kept->paragraphs.find(all[index].revision);
    if (found != kept->paragraphs.end() && found->second.measure == measure) {
      paragraph = found->second;
      ++counts_.reused;
    } else {
      paragraph = {measure, ComposeParagraph(story, index, *font, story.size, measure)};
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
