// The check at the top of every host operation: returns the code with which this call is to
// fail, or 0. Costs one test while no failure is planned.
#pragma once

#include "host/core/HostServices.h"

namespace zvhost {

inline HostErr Failpoint(const char *suite, const char *operation) {
  FailurePlan &plan = HostServices::The().failures;
  return plan.Armed() ? plan.Take(suite, operation) : 0;
}

}  // namespace zvhost
