// Host operations made to fail on demand (--fail, the `fail` command): the next COUNT calls
// of an operation, every call, exactly the N-th call or every call from the N-th on return a
// chosen code. Calls are counted per operation from start-up on, whether or not a failure is
// planned, so that a call number means the same in every run of a script.
//
// Every operation has a number, the same in every plan of the process, and a plan keeps its
// counts in an array by that number: a call site that knows its number (Failpoint.h) counts
// a call with one increment, and while no failure is planned that is all it costs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "HostTypes.h"

namespace zvhost {

struct FailureRule {
  enum class When {
    kNext,        // the next `remaining` calls; remaining 0: every call
    kExactly,     // call number `call` alone
    kFromCallOn,  // call number `call` and every later one
  };
  std::string operation;  // "AI Art Set Suite/IndexArtSet"
  HostErr code = 0;
  When when = When::kNext;
  int remaining = 1;
  uint64_t call = 0;  // counted from 1
};

class FailurePlan {
 public:
  // Reads "SUITE/OPERATION:CODE[:COUNT]", "SUITE/OPERATION:CODE@N" or
  // "SUITE/OPERATION:CODE@N+"; throws UsageError naming what is wrong. An '@' in the code
  // field always starts the call number (a code holding '@' is written in decimal).
  static FailureRule Parse(const std::string &text);

  // The number of "SUITE/OPERATION" in every plan; the same names give the same number.
  static uint32_t OperationNumber(std::string_view suite, std::string_view operation);

  // Throws UsageError for a rule that can never apply: its one call has been made already.
  void Add(FailureRule rule);
  // Counts this call of the operation numbered `operation` and returns the code it is to
  // fail with, or 0.
  HostErr Take(uint32_t operation) {
    if (operation >= countedOperations_) [[unlikely]]
      CountUpTo(operation);
    const uint64_t call = ++calls_[operation];
    if (!armed_) [[likely]]
      return 0;
    return Planned(operation, call);
  }
  // The common case of Take(), for callers that can go another way: while no failure is
  // planned, counts this call of the operation numbered `operation` and returns true. Returns
  // false without counting when the call needs Take().
  bool CountUnplanned(uint32_t operation) {
    if (operation >= unplannedLimit_) [[unlikely]]
      return false;
    ++calls_[operation];
    return true;
  }
  // The same by name. Both names must live as long as the plan (the callers pass literals):
  // the number is found by their addresses first, by the text only the first time.
  HostErr Take(const char *suite, const char *operation);
  // How many calls of "SUITE/OPERATION" have been made so far.
  uint64_t Calls(const std::string &operation) const;

 private:
  struct Rule {
    FailureRule rule;
    uint32_t operation = 0;  // its number
  };
  struct PlaceHash {
    size_t operator()(const std::pair<const char *, const char *> &place) const {
      return std::hash<const void *>()(place.first) * 31 ^ std::hash<const void *>()(place.second);
    }
  };
  HostErr Planned(uint32_t operation, uint64_t call);
  void CountUpTo(uint32_t operation);
  // Removes a rule that has done its work.
  void Drop(std::vector<Rule>::iterator rule) {
    rules_.erase(rule);
    Arm(!rules_.empty());
  }
  // Records whether a failure is planned, and the limit of the unplanned way that follows.
  void Arm(bool armed) {
    armed_ = armed;
    unplannedLimit_ = armed ? 0 : countedOperations_;
  }

  std::vector<Rule> rules_;
  bool armed_ = false;            // !rules_.empty()
  std::vector<uint64_t> calls_;   // by operation number
  size_t countedOperations_ = 0;  // calls_.size()
  // countedOperations_ while no failure is planned, else 0: one comparison with it tells
  // CountUnplanned() both that the operation is counted and that nothing is planned.
  size_t unplannedLimit_ = 0;
  std::unordered_map<std::pair<const char *, const char *>, uint32_t, PlaceHash> places_;
};

// Reads a host error code as a user writes it: a decimal number or four characters.
// Throws UsageError otherwise.
HostErr ParseErrorCode(const std::string &text);
// Writes a code as a user reads it: four characters when all four are printable, else decimal.
std::string FormatErrorCode(HostErr code);

}  // namespace zvhost
