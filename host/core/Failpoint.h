// The check at the top of every host operation: returns the code with which this call is to
// fail, or 0. Every call is counted (calls are numbered from start-up on).
//
// ZV_FAILPOINT_NUMBER(suite, "Operation") is the operation's number, found once at start-up
// from the two literals, so a check through it is one increment of the call count and, while
// no failure is planned, one branch that is never taken. Failpoint() by names finds the
// number by the names' addresses on every call: for operations off the hot path.
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
inline const uint32_t kOperationNumber = FailurePlan::OperationNumber(Suite.chars, Operation.chars);

#define ZV_FAILPOINT_NUMBER(suite, operation) ::zvhost::kOperationNumber<suite, operation>

inline HostErr Failpoint(const char *suite, const char *operation) {
  FailurePlan &plan = HostServices::The().failures;
  return plan.Take(suite, operation);
}

}  // namespace zvhost
