// One open document: its stories, its art in document order, and what is selected.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "HostTypes.h"
#include "host/engine/Story.h"

namespace zvhost::engine {

enum class ArtKind { kText, kPath };

// A frame's box on the page, in points, y downwards.
struct FrameBounds {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

struct Art {
  ArtKind kind = ArtKind::kPath;
  int32_t story = -1;          // text frames: the story they show
  int32_t storyDirection = 0;  // text frames: the frame's story direction
  // Text frames: the box the file gave; without one the frame gets the default place.
  std::optional<FrameBounds> bounds;
};

struct Selection {
  enum class Kind { kNone, kArt, kText };
  Kind kind = Kind::kNone;
  std::vector<int32_t> art;  // kArt: indices in document order, each once
  int32_t story = 0;         // kText: characters [from, to) of this story
  int32_t from = 0;
  int32_t to = 0;
};

struct Document {
  // Links every story to its text frames, in art order. The art must name stories that
  // exist (the file reader checks).
  void LinkFrames();

  // Never reused while the process runs: handles name their document by it, so a handle of
  // a closed document is recognised even when another one is open.
  uint32_t serial = 0;
  // The handles of the art objects, by index, from the host's handle registry.
  std::vector<AIArtHandle> artHandles;
  std::vector<Story> stories;
  std::vector<Art> art;
  Selection selection;
};

}  // namespace zvhost::engine
