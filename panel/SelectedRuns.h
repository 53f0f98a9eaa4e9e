// Reading one attribute of every text run of the document's text selection, and deciding
// whether the runs agree on it.
#pragma once

#include <span>
#include <vector>

#include "text/ATEWrappers.h"
#include "text/SelectionAccess.h"

namespace panel {

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

// Whether the runs read gave no value, one value throughout, or more than one.
enum class Agreement { kAbsent, kUniform, kMixed };

// Compares every value with the first by ==, so a value that equals nothing (a NaN offset)
// makes the runs mixed even when it stands alone.
template <class Value>
Agreement AgreementOf(std::span<const Value> values) {
  if (values.empty()) return Agreement::kAbsent;
  for (const Value &value : values) {
    if (!(value == values.front())) return Agreement::kMixed;
  }
  return Agreement::kUniform;
}

}  // namespace panel
