// Every procedure the module hands to the dialog manager runs its body through these guards:
// no exception may unwind into the host, so each one ends here as a host error code.
#pragma once

#include <new>

#include "HostTypes.h"
#include "plugin/AIError.h"
#include "text/ATEWrappers.h"

namespace panel {

// The host error code that stands for the exception being handled.
inline HostErr CodeOfCurrentException() noexcept {
  try {
    throw;
  } catch (const ai::Error &error) {
    return error.code();
  } catch (const ATE::Exception &error) {
    return error.code();
  } catch (const std::bad_alloc &) {
    return kHostOutOfMemoryErr;
  } catch (...) {
    return kHostBadParameterErr;
  }
}

// Runs a body that returns a host error code; an exception becomes its code.
template <class Body>
HostErr GuardedCode(Body &&body) noexcept {
  try {
    return body();
  } catch (...) {
    return CodeOfCurrentException();
  }
}

// Runs a body whose caller has no way to hear of a failure; an exception ends it quietly.
template <class Body>
void Guarded(Body &&body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

}  // namespace panel
