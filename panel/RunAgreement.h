// The panel's rule for the values read from the selected runs: a control shows one value
// only when the runs agree on it.
#pragma once

#include <span>

namespace panel {

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
