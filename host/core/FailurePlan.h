// Host operations made to fail on demand (--fail, the `fail` command): the next COUNT calls
// of an operation, or every call, return a chosen code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "HostTypes.h"

namespace zvhost {

struct FailureRule {
  std::string operation;  // "AI Art Set Suite/IndexArtSet"
  HostErr code = 0;
  int remaining = 1;  // calls still to fail; 0 fails every call
};

class FailurePlan {
 public:
  // Reads "SUITE/OPERATION:CODE[:COUNT]"; throws UsageError naming what is wrong.
  static FailureRule Parse(const std::string &text);

  void Add(FailureRule rule);
  bool Armed() const { return !rules_.empty(); }
  // The code for this call of suite/operation, or 0 when it is to succeed.
  HostErr Take(std::string_view suite, std::string_view operation);

 private:
  std::vector<FailureRule> rules_;
};

// Reads a host error code as a user writes it: a decimal number or four characters.
// Throws UsageError otherwise.
HostErr ParseErrorCode(const std::string &text);
// Writes a code as a user reads it: four characters when all four are printable, else decimal.
std::string FormatErrorCode(HostErr code);

}  // namespace zvhost
