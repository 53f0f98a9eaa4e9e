// Composes the stories of a document into their frames, as the application's text engine
// does: itemisation by direction and script, shaping, line breaking, justification, frame
// threading. Keeps each paragraph's lines while its revision, measure and font stay, so
// that a change recomposes only the paragraphs it touched.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "host/compose/FontCache.h"
#include "host/compose/Layout.h"
#include "host/engine/Document.h"

namespace zvhost::compose {

// A text frame's box, points, y downwards: the bounds a document file gives a frame.
using FrameBox = engine::FrameBounds;

struct ComposeCounts {
  uint32_t composed = 0;  // paragraphs composed by the last Compose call
  uint32_t reused = 0;    // paragraphs whose lines were kept
};

class Composer {
 public:
  Composer();
  ~Composer();

  // Composes `story` into `frames` (the boxes of its frames, in story order). Throws
  // std::runtime_error with a message for the user when the story's font cannot be found.
  const StoryLayout &Compose(uint32_t documentSerial, uint32_t storyIndex,
                             const engine::Story &story, std::span<const FrameBox> frames);

  // Forgets what it kept of a document (closed) or of every document.
  void Forget(uint32_t documentSerial);

  ComposeCounts LastCounts() const { return counts_; }

 private:
  struct Kept;
  std::map<std::pair<uint32_t, uint32_t>, std::unique_ptr<Kept>> kept_;
  FontCache fonts_;
  ComposeCounts counts_;
};

// The boxes of a document's text frames by art index: the file's bounds, or the default
// place (360 by 240 points, stacked from the page's top 24 points apart in art order).
std::vector<FrameBox> FrameBoxes(const engine::Document &document);

}  // namespace zvhost::compose
