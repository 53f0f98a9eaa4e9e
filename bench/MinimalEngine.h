// The least an engine can do to serve the six walks: runs in one array, every object naming
// its run by index, nothing else. Without checks, the real engine's time over this one's is
// the price of its checks; with the host's checks (EngineChecks.h), it is the floor under
// any engine that keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "RunWalks.h"

namespace zvbench {

class HostChecks;

enum class Checking {
  kNone,  // a run's handle is its index; no counts, no references
  kHost,  // HostChecks: what the host keeps on every call
};

class MinimalEngine {
 public:
  // Runs as the benchmarks' document has them (BenchDocument.h).
  MinimalEngine(int runs, Checking checking);
  ~MinimalEngine();

  // The suites over this engine (one engine at a time), and the selection: all its runs.
  WalkSuites Suites() const;
  TextRangesRef Selection() const;

  struct Run {
    int32_t start = 0;
    std::array<int32_t, 6> attributes{};
  };
  std::vector<Run> runs;

 private:
  Checking checking_;
  std::unique_ptr<HostChecks> checks_;  // with Checking::kHost
};

}  // namespace zvbench
