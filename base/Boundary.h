// The module's one rule for exceptions: none may unwind into the host. The entry point and
// every procedure handed to the host run their bodies through AtBoundary, where whatever is
// thrown ends as a host error code; operations inside the module that must not fail by an
// exception (a traced operation, one panel operation of a notification) use it too.
#pragma once

#include <new>
#include <type_traits>

#include "HostTypes.h"
#include "base/AIError.h"
#include "base/ATEException.h"
#include "base/HostSuites.h"

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

// When the host may call a procedure.
enum class CalledWhen {
  // Only while the module serves a message, or from inside the module: the suites are held.
  kInMessage,
  // Also after a reload, before any message has come (the dialog manager's procedures): the
  // suites are acquired again first, and the body runs whether or not all could be had.
  kAnyTime,
};

// Runs `body` and returns its code (0 for a body that returns nothing), or the code of the
// exception that ended it.
template <CalledWhen when = CalledWhen::kInMessage, class Body>
HostErr AtBoundary(Body &&body) noexcept {
  try {
    if constexpr (when == CalledWhen::kAnyTime) AcquireHostSuitesAfterReload();
    if constexpr (std::is_void_v<std::invoke_result_t<Body>>) {
      body();
      return kHostNoErr;
    } else {
      return body();
    }
  } catch (...) {
    return CodeOfCurrentException();
  }
}
