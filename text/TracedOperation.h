// The frame of every selection operation and command: start and end traced, and every
// host or engine failure inside turned into its code, so that nothing escapes.
#pragma once

#include <type_traits>

#include "HostTypes.h"
#include "plugin/AIError.h"
#include "plugin/Trace.h"
#include "text/ATEException.h"

// Traces `start`, runs `body`, traces `end`. Returns the body's code (0 for a body that
// returns nothing), or the code of an ai::Error or ATE::Exception that ended it; wrappers
// and art sets made inside are released while the exception passes.
template <class Body>
HostErr RunTraced(const char *start, const char *end, Body &&body) {
  Trace(start);
  HostErr result = kHostNoErr;
  try {
    if constexpr (std::is_void_v<std::invoke_result_t<Body>>) {
      body();
    } else {
      result = body();
    }
  } catch (const ai::Error &error) {
    result = error.code();
  } catch (const ATE::Exception &error) {
    result = error.error;
  }
  Trace(end);
  return result;
}
