// The order in which a reader meets a story's frames on the page: row by row from the top,
// and along each row from the left or from the right.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/compose/Composer.h"

namespace zvhost::draw {

// Each frame's place in reading order (0 is read first), for frames given in story order.
// Frames whose boxes overlap vertically with a row's first frame stand in that row.
// `fromRight`: rows are read from the right (the story direction 1).
std::vector<uint32_t> ReadingOrder(std::span<const compose::FrameBox> frames, bool fromRight);

}  // namespace zvhost::draw
