// Procedures that the panel hands to the dialog manager must not let an exception unwind
// into the host. Those that return a code use CodeOf (plugin/ExceptionCode.h); those whose
// caller has no way to hear of a failure run their bodies through Guarded.
#pragma once

#include "plugin/ExceptionCode.h"

namespace panel {

// Runs the body; an exception ends it quietly.
template <class Body>
void Guarded(Body &&body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace panel
