// The least an engine can do to serve the six walks: runs in one array, a run's handle its
// index, no checks, no reference counts, no failure points. The real engine's time over
// this one's is the price of its checks.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "RunWalks.h"

namespace zvbench {

class MinimalEngine {
 public:
  // Runs as the benchmarks' document has them (BenchDocument.h).
  explicit MinimalEngine(int runs);
  ~MinimalEngine();

  // The suites over this engine (one engine at a time), and the selection: all its runs.
  WalkSuites Suites() const;
  TextRangesRef Selection() const;

  struct Run {
    int32_t start = 0;
    std::array<int32_t, 6> attributes{};
  };
  std::vector<Run> runs;
};

}  // namespace zvbench
