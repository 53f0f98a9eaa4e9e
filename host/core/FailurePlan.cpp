#include "host/core/FailurePlan.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <map>
#include <mutex>
#include <stdexcept>

#include "host/core/UsageError.h"

namespace zvhost {

namespace {

bool ParseDecimal(std::string_view text, long long &value) {
  if (text.empty()) return false;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

bool IsPrintable(char c) {
  return c >= 0x20 && c < 0x7f;
}

}  // namespace

HostErr ParseErrorCode(const std::string &text) {
  long long value = 0;
  if (ParseDecimal(text, value)) {
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<uint32_t>::max()) {
      throw UsageError("error code " + text + " does not fit 32 bits");
    }
    return static_cast<HostErr>(static_cast<uint32_t>(value));
  }
  if (text.size() == 4 && std::all_of(text.begin(), text.end(), IsPrintable)) {
    return ZV_FOUR_CHAR(text[0], text[1], text[2], text[3]);
  }
  throw UsageError("error code '" + text +
                   "' is neither a decimal number nor four printable characters");
}

std::string FormatErrorCode(HostErr code) {
  uint32_t bits = static_cast<uint32_t>(code);
  std::string chars;
  for (int shift = 24; shift >= 0; shift -= 8) chars += static_cast<char>((bits >> shift) & 0xff);
  if (code > 0xffff && std::all_of(chars.begin(), chars.end(), IsPrintable)) return chars;
  return std::to_string(code);
}

FailureRule FailurePlan::Parse(const std::string &text) {
  auto wrong = [&text](const std::string &what) {
    return UsageError("failure '" + text + "': " + what);
  };
  const std::string expected = "expected SUITE/OPERATION:CODE[:COUNT], :CODE@N or :CODE@N+";
  size_t slash = text.find('/');
  if (slash == std::string::npos || slash == 0) throw wrong(expected);
  size_t firstColon = text.find(':', slash);
  if (firstColon == std::string::npos || firstColon == slash + 1) throw wrong(expected);
  FailureRule rule;
  rule.operation = text.substr(0, firstColon);
  std::string rest = text.substr(firstColon + 1);
  std::string code = rest;
  if (size_t at = rest.find('@'); at != std::string::npos) {
    code = rest.substr(0, at);
    std::string call = rest.substr(at + 1);
    if (code.find(':') != std::string::npos || call.find(':') != std::string::npos) {
      throw wrong("a call number (@N) and a count (:COUNT) cannot be combined");
    }
    rule.when = FailureRule::When::kExactly;
    if (call.ends_with('+')) {
      rule.when = FailureRule::When::kFromCallOn;
      call.pop_back();
    }
    if (call.empty()) throw wrong("expected a call number after '@' (1 or more)");
    auto [end, ec] = std::from_chars(call.data(), call.data() + call.size(), rule.call);
    if (ec == std::errc::result_out_of_range) {
      throw wrong("call number " + call + " is too large (at most " +
                  std::to_string(std::numeric_limits<uint64_t>::max()) + ")");
    }
    if (ec != std::errc() || end != call.data() + call.size()) {
      throw wrong("call number '" + call + "' after '@' is not a whole number");
    }
    if (rule.call == 0) throw wrong("call number 0: calls are counted from 1");
  } else if (size_t secondColon = rest.rfind(':');
             secondColon != std::string::npos && secondColon > 0) {
    long long count = 0;
    std::string countText = rest.substr(secondColon + 1);
    if (!ParseDecimal(countText, count) || count < 0 || count > 1000000000) {
      throw wrong("count '" + countText + "' is not a number from 0 up");
    }
    rule.remaining = static_cast<int>(count);
    code = rest.substr(0, secondColon);
  }
  rule.code = ParseErrorCode(code);
  if (rule.code == 0) throw wrong("code 0 is success");
  return rule;
}

namespace {

// The operations' numbers and their own counters, process-wide and never shrinking, so that a
// number means the same in every plan.
struct OperationRegistry {
  std::mutex guard;
  std::map<std::string, uint32_t, std::less<>> numbers;
  std::vector<uint64_t *> hostCounts;  // by number; null where an operation has none
};

OperationRegistry &Operations() {
  static OperationRegistry registry;
  return registry;
}

// The counter of its own that the operation numbered `operation` has, or null.
uint64_t *HostCount(uint32_t operation) {
  OperationRegistry &registry = Operations();
  const std::lock_guard<std::mutex> lock(registry.guard);
  return operation < registry.hostCounts.size() ? registry.hostCounts[operation] : nullptr;
}

}  // namespace

FailurePlan::FailurePlan(Counting counting) : counting_(counting) {
  if (counting_ != Counting::kHostCalls) return;
  if (hostPlanLive_) {
    throw std::logic_error("only one failure plan at a time may count the host's calls");
  }
  hostPlanLive_ = true;
  // Calls are counted from the host's start-up on.
  OperationRegistry &registry = Operations();
  const std::lock_guard<std::mutex> lock(registry.guard);
  for (uint64_t *count : registry.hostCounts) {
    if (count != nullptr) *count = 0;
  }
  hostArmed_ = false;
}

FailurePlan::~FailurePlan() {
  if (counting_ != Counting::kHostCalls) return;
  hostArmed_ = false;
  hostPlanLive_ = false;
}

uint32_t FailurePlan::OperationNumber(std::string_view suite, std::string_view operation) {
  std::string name;
  name.reserve(suite.size() + 1 + operation.size());
  name.append(suite).append("/").append(operation);
  OperationRegistry &registry = Operations();
  const std::lock_guard<std::mutex> lock(registry.guard);
  auto [found, added] =
      registry.numbers.try_emplace(std::move(name), static_cast<uint32_t>(registry.numbers.size()));
  return found->second;
}

uint32_t FailurePlan::OperationNumber(std::string_view suite, std::string_view operation,
                                      uint64_t *count) {
  const uint32_t number = OperationNumber(suite, operation);
  OperationRegistry &registry = Operations();
  const std::lock_guard<std::mutex> lock(registry.guard);
  if (number >= registry.hostCounts.size()) registry.hostCounts.resize(number + 1, nullptr);
  registry.hostCounts[number] = count;
  return number;
}

uint64_t &FailurePlan::Count(uint32_t operation) {
  if (counting_ == Counting::kHostCalls) {
    if (uint64_t *count = HostCount(operation)) return *count;
  }
  if (operation >= calls_.size()) calls_.resize(operation + 1);
  return calls_[operation];
}

uint64_t FailurePlan::Counted(uint32_t operation) const {
  if (counting_ == Counting::kHostCalls) {
    if (const uint64_t *count = HostCount(operation)) return *count;
  }
  return operation < calls_.size() ? calls_[operation] : 0;
}

HostErr FailurePlan::Take(uint32_t operation) {
  const uint64_t call = ++Count(operation);
  return armed_ ? Planned(operation, call) : 0;
}

HostErr FailurePlan::TakeCounted(uint32_t operation) {
  return armed_ ? Planned(operation, Counted(operation)) : 0;
}

void FailurePlan::Add(FailureRule rule) {
  if (rule.when == FailureRule::When::kExactly && rule.call <= Calls(rule.operation)) {
    throw UsageError("failure of call " + std::to_string(rule.call) + " of " + rule.operation +
                     ": that call has been made already (calls are counted from start-up on; " +
                     std::to_string(Calls(rule.operation)) + " so far)");
  }
  const size_t slash = rule.operation.find('/');
  const uint32_t operation = OperationNumber(std::string_view(rule.operation).substr(0, slash),
                                             std::string_view(rule.operation).substr(slash + 1));
  rules_.push_back({std::move(rule), operation});
  Arm(true);
}

HostErr FailurePlan::Take(const char *suite, const char *operation) {
  auto [place, added] = places_.try_emplace({suite, operation}, 0);
  if (added) place->second = OperationNumber(suite, operation);
  return Take(place->second);
}

uint64_t FailurePlan::Calls(const std::string &operation) const {
  const size_t slash = operation.find('/');
  if (slash == std::string::npos) return 0;
  return Counted(OperationNumber(std::string_view(operation).substr(0, slash),
                                 std::string_view(operation).substr(slash + 1)));
}

HostErr FailurePlan::Planned(uint32_t operation, uint64_t call) {
  for (auto it = rules_.begin(); it != rules_.end(); ++it) {
    if (it->operation != operation) continue;
    const FailureRule &rule = it->rule;
    const HostErr code = rule.code;
    switch (rule.when) {
      case FailureRule::When::kNext:
        if (it->rule.remaining > 0 && --it->rule.remaining == 0) Drop(it);
        return code;
      case FailureRule::When::kExactly:
        if (call != rule.call) continue;
        Drop(it);
        return code;
      case FailureRule::When::kFromCallOn:
        if (call < rule.call) continue;
        return code;
    }
  }
  return 0;
}

}  // namespace zvhost
