#include "host/core/LiveObjects.h"

#include <algorithm>

namespace zvhost {

namespace {
std::vector<LiveCounter *> &Registry() {
  static std::vector<LiveCounter *> counters;
  return counters;
}
}  // namespace

LiveCounter::LiveCounter(std::string kind, LiveCategory category)
    : kind_(std::move(kind)), category_(category) {
  Registry().push_back(this);
}

LiveCounter::~LiveCounter() {
  std::erase(Registry(), this);
}

const std::vector<LiveCounter *> &LiveCounter::All() {
  return Registry();
}

}  // namespace zvhost
