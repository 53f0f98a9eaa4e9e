// The walk over every text run of the document's text selection.
#pragma once

#include <vector>

#include "text/ATEWrappers.h"
#include "text/SelectionAccess.h"

// Hands each text run of the document's text selection, in order, to `visit`. Without a
// text selection there are no runs.
template <class Visit>
void ForEachSelectedRun(Visit &&visit) {
  ATE::ITextRanges ranges;
  GetTextRanges(ranges);
  ATE::ITextRunsIterator runs = ranges.GetTextRunsIterator();
  for (runs.MoveToFirst(); runs.IsNotDone(); runs.Next()) {
    ATE::ITextRange run = runs.Item();
    visit(run);
  }
}

// One value per run, read from the run's character features by `read`.
template <class Value, class Read>
std::vector<Value> CollectRunFeature(Read &&read) {
  std::vector<Value> values;
  ForEachSelectedRun([&](ATE::ITextRange &run) {
    ATE::ICharFeatures features = run.GetCharFeatures();
    values.push_back(read(features));
  });
  return values;
}
