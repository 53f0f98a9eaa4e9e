// The six walks over the selected runs that the panel's pass makes, as suite calls: five
// read one character feature of each run, one reads each run's kashidas through a character
// inspector. The same code walks the real engine and the benchmark's minimal one.
#pragma once

#include <cstdint>

#include "ate/ATESuites.h"

namespace zvbench {

struct WalkSuites {
  const ATETextRangesSuite *ranges = nullptr;
  const ATETextRangeSuite *range = nullptr;
  const ATETextRunsIteratorSuite *runs = nullptr;
  const ATECharFeaturesSuite *features = nullptr;
  const ATECharInspectorSuite *inspector = nullptr;
  const ATEArrayKashidasSuite *kashidas = nullptr;
};

// Walks the runs of `selection` six times; returns a sum of what was read, so that nothing
// is left out, and the number of runs seen in `runs`.
int64_t SixWalks(const WalkSuites &suites, TextRangesRef selection, int64_t &runs);

}  // namespace zvbench
