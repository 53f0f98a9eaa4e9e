// The frame of every selection operation and command: start and end traced, and every
// failure inside turned into its code, so that nothing escapes.
#pragma once

#include "HostTypes.h"
#include "base/Boundary.h"
#include "base/Trace.h"

// Traces `start`, runs `body`, traces `end`. Returns the body's code (0 for a body that
// returns nothing), or the code of the exception that ended it (an ai::Error's or an
// ATE::Exception's own); wrappers and art sets made inside are released as it passes.
template <class Body>
HostErr RunTraced(const char *start, const char *end, Body &&body) {
  Trace(start);
  const HostErr result = AtBoundary(body);
  Trace(end);
  return result;
}
