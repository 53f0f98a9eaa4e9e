// Host operations made to fail on demand (--fail, the `fail` command): the next COUNT calls
// of an operation, every call, exactly the N-th call or every call from the N-th on return a
// chosen code. Calls are counted per operation from start-up on, whether or not a failure is
// planned, so that a call number means the same in every run of a script.
//
// Every operation has a number, the same in every plan of the process, and a plan keeps its
// counts by that number. The live host's plan counts each operation that has a counter of its
// own (Failpoint.h) in that counter, at an address fixed when the program is linked: a call
// site counts a call with one increment and, while the host plans no failure, tests one flag.
// Every other plan counts in an array of its own.
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
  // Whether the plan is the live host's, which counts in the operations' own counters. One
  // plan at a time may be: the host's services are one at a time.
  enum class Counting { kOwnCalls, kHostCalls };

  // Throws std::logic_error for a second plan that would count the host's calls while one
  // does: the two would share the counters and the flag below.
  explicit FailurePlan(Counting counting = Counting::kOwnCalls);
  ~FailurePlan();
  FailurePlan(const FailurePlan &) = delete;
  FailurePlan &operator=(const FailurePlan &) = delete;

  // Reads "SUITE/OPERATION:CODE[:COUNT]", "SUITE/OPERATION:CODE@N" or
  // "SUITE/OPERATION:CODE@N+"; throws UsageError naming what is wrong. An '@' in the code
  // field always starts the call number (a code holding '@' is written in decimal).
  static FailureRule Parse(const std::string &text);

  // The number of "SUITE/OPERATION" in every plan; the same names give the same number.
  static uint32_t OperationNumber(std::string_view suite, std::string_view operation);
  // The same, with `count` as where the host's plan counts its calls from now on. For
  // counters that live as long as the program, given once an operation, before main.
  static uint32_t OperationNumber(std::string_view suite, std::string_view operation,
                                  uint64_t *count);
  // Whether the live host's plan has a failure planned: while not, a call that the host's
  // plan counts in its own counter needs nothing else.
  static bool HostPlanArmed() { return hostArmed_; }

  // Throws UsageError for a rule that can never apply: its one call has been made already.
  void Add(FailureRule rule);
  // Counts this call of the operation numbered `operation` and returns the code it is to
  // fail with, or 0.
  HostErr Take(uint32_t operation);
  // The same for a call already counted in the operation's own counter, by a host's plan.
  HostErr TakeCounted(uint32_t operation);
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
  // Where this plan counts the calls of an operation, and how many it has counted.
  uint64_t &Count(uint32_t operation);
  uint64_t Counted(uint32_t operation) const;
  // Removes a rule that has done its work.
  void Drop(std::vector<Rule>::iterator rule) {
    rules_.erase(rule);
    Arm(!rules_.empty());
  }
  // Records whether a failure is planned, for the host's calls as well if it is the host's.
  void Arm(bool armed) {
    armed_ = armed;
    if (counting_ == Counting::kHostCalls) hostArmed_ = armed;
  }

  static inline bool hostArmed_ = false;
  static inline bool hostPlanLive_ = false;  // a plan counting the host's calls lives

  Counting counting_;
  std::vector<Rule> rules_;
  bool armed_ = false;           // !rules_.empty()
  std::vector<uint64_t> calls_;  // by operation number, where no counter of its own counts
  std::unordered_map<std::pair<const char *, const char *>, uint32_t, PlaceHash> places_;
};

// Reads a host error code as a user writes it: a decimal number or four characters.
// Throws UsageError otherwise.
HostErr ParseErrorCode(const std::string &text);
// Writes a code as a user reads it: four characters when all four are printable, else decimal.
std::string FormatErrorCode(HostErr code);

}  // namespace zvhost
