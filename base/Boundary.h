// The frame's one rule for exceptions: none may unwind into the host. Whatever reaches the
// entry point or a procedure handed to the host ends there as a host error code.
#pragma once

#include <new>

#include "HostTypes.h"
#include "base/AIError.h"
#include "base/ATEException.h"

// Stands for an exception of a kind that carries no host code; the error dialog shows it
// with the unknown-error message and the code text "!Exc".
inline constexpr HostErr kUnexpectedExceptionErr = ZV_FOUR_CHAR('!', 'E', 'x', 'c');

// The code of the exception being handled: that of an ai::Error or ATE::Exception, -108
// for an allocation that failed, kUnexpectedExceptionErr for anything else.
inline HostErr CodeOfCurrentException() noexcept {
  try {
    throw;
  } catch (const ai::Error &error) {
    return error.code();
  } catch (const ATE::Exception &error) {
    return error.error;
  } catch (const std::bad_alloc &) {
    return kHostOutOfMemoryErr;
  } catch (...) {
    return kUnexpectedExceptionErr;
  }
}

// Runs a body that returns a host error code; an exception becomes its code.
template <class Body>
HostErr CodeOf(Body &&body) noexcept {
  try {
    return body();
  } catch (...) {
    return CodeOfCurrentException();
  }
}
