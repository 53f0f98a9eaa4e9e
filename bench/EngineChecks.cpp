#include "EngineChecks.h"

namespace zvbench {

HostChecks::HostChecks()
    : walks_("TextRunsIterator", "Minimal Engine", zvhost::LiveCategory::TextEngine),
      ranges_("TextRange", "Minimal Engine", zvhost::LiveCategory::TextEngine),
      features_("CharFeatures", "Minimal Engine", zvhost::LiveCategory::TextEngine),
      inspectors_("CharInspector", "Minimal Engine", zvhost::LiveCategory::TextEngine),
      kashidas_("ArrayKashidas", "Minimal Engine", zvhost::LiveCategory::TextEngine) {
  current_ = this;
}

HostChecks::~HostChecks() {
  current_ = nullptr;
}

ATEErr HostChecks::Planned(uint32_t operation) {
  return current_->services_.failures.TakeCounted(operation);
}

size_t HostChecks::LiveRefs() {
  const HostChecks &c = *current_;
  return c.walks_.Live() + c.ranges_.Live() + c.features_.Live() + c.inspectors_.Live() +
         c.kashidas_.Live();
}

}  // namespace zvbench
