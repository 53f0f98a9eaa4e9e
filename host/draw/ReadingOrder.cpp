#include "host/draw/ReadingOrder.h"

#include <algorithm>
#include <numeric>

namespace zvhost::draw {

std::vector<uint32_t> ReadingOrder(std::span<const compose::FrameBox> frames, bool fromRight) {
  std::vector<uint32_t> byTop(frames.size());
  std::iota(byTop.begin(), byTop.end(), 0u);
  std::stable_sort(byTop.begin(), byTop.end(),
                   [&](uint32_t a, uint32_t b) { return frames[a].top < frames[b].top; });
  // Rows: a frame that begins above the bottom of the row's first frame joins the row.
  std::vector<uint32_t> order;
  order.reserve(frames.size());
  for (size_t first = 0; first < byTop.size();) {
    const compose::FrameBox &head = frames[byTop[first]];
    size_t end = first + 1;
    while (end < byTop.size() && frames[byTop[end]].top < head.top + head.height) ++end;
    std::stable_sort(byTop.begin() + static_cast<long>(first),
                     byTop.begin() + static_cast<long>(end), [&](uint32_t a, uint32_t b) {
                       if (!fromRight) return frames[a].left < frames[b].left;
                       return frames[a].left + frames[a].width > frames[b].left + frames[b].width;
                     });
    order.insert(order.end(), byTop.begin() + static_cast<long>(first),
                 byTop.begin() + static_cast<long>(end));
    first = end;
  }
  std::vector<uint32_t> place(frames.size());
  for (uint32_t rank = 0; rank < order.size(); ++rank) place[order[rank]] = rank;
  return place;
}

}  // namespace zvhost::draw
