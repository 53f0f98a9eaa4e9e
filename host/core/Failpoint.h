// The check at the top of every host operation: returns the code with which this call is to
// fail, or 0. Every call is counted (calls are numbered from start-up on).
//
// ZV_FAILPOINT(suite, "Operation") is the operation's failure point: its number, found once
// at start-up from the two literals, and its own call counter, in which the live host's plan
// counts it. A check through it is one increment of that counter and, while the host plans no
// failure, one branch that is never taken. Failpoint() by names finds the number by the
// names' addresses on every call: for operations off the hot path.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "host/core/HostServices.h"

namespace zvhost {

// A name as a template argument, so that each suite and operation pair has a number of its
// own as a constant initialised before main.
template <size_t N>
struct OperationText {
  constexpr OperationText(const char (&text)[N]) { std::copy_n(text, N, chars); }
  char chars[N];
};

template <OperationText Suite, OperationText Operation>
struct OperationPoint {
  // The host's calls of the operation; zero before any code runs, so that it can be named
  // before the number below is found.
  static inline uint64_t hostCalls = 0;
  static inline const uint32_t number =
      FailurePlan::OperationNumber(Suite.chars, Operation.chars, &hostCalls);

  // Counts a call by the host and tells whether it may go on without asking the host's plan:
  // true while the host plans no failure.
  static bool CountUnplanned() {
    ++hostCalls;
    return !FailurePlan::HostPlanArmed();
  }
};

#define ZV_FAILPOINT(suite, operation) ::zvhost::OperationPoint<suite, operation>

inline HostErr Failpoint(const char *suite, const char *operation) {
  FailurePlan &plan = HostServices::The().failures;
  return plan.Take(suite, operation);
}

}  // namespace zvhost
