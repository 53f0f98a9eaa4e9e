#include "host/engine/Document.h"

namespace zvhost::engine {

void Document::LinkFrames() {
  for (Story &story : stories) story.frames.clear();
  for (size_t index = 0; index < art.size(); ++index) {
    if (art[index].kind == ArtKind::kText) {
      stories[static_cast<size_t>(art[index].story)].frames.push_back(static_cast<int32_t>(index));
    }
  }
}

}  // namespace zvhost::engine
