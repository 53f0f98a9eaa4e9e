// The check at the top of every host operation: returns the code with which this call is to
// fail, or 0. Every call is counted (calls are numbered from start-up on); while no failure
// is planned that is one lookup by the names' addresses.
#pragma once

#include "host/core/HostServices.h"

namespace zvhost {

inline HostErr Failpoint(const char *suite, const char *operation) {
  FailurePlan &plan = HostServices::The().failures;
  return plan.Take(suite, operation);
}

}  // namespace zvhost
