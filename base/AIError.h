// The error that the module's host-interface code raises when a host call fails.
#pragma once

#include <exception>

#include "HostTypes.h"

namespace ai {

// Carries the host error code of the failed call.
class Error : public std::exception {
 public:
  explicit Error(HostErr code) : code_(code) {}
  HostErr code() const { return code_; }
  operator HostErr() const { return code_; }

 private:
  HostErr code_;
};

}  // namespace ai

// Throws ai::Error carrying `code` unless it is 0.
void ThrowIfError(HostErr code);
