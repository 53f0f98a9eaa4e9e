// Procedures that the panel hands to the dialog manager must not let an exception unwind
// into the host. Those that return a code use CodeOf (plugin/ExceptionCode.h); those whose
// caller has no way to hear of a failure run their bodies through Guarded.
#pragma once

#include "base/Boundary.h"
#include "base/HostSuites.h"

namespace panel {

// Runs the body; an exception ends it quietly. The dialog manager may call a procedure after
// a reload before any message has come: the suites are acquired again first.
template <class Body>
void Guarded(Body &&body) noexcept {
  try {
    AcquireHostSuitesAfterReload();
    body();
  } catch (...) {
  }
}

}  // namespace panel
