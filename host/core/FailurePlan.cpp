#include "host/core/FailurePlan.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

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
  size_t slash = text.find('/');
  if (slash == std::string::npos || slash == 0) {
    throw UsageError("failure '" + text + "': expected SUITE/OPERATION:CODE[:COUNT]");
  }
  size_t firstColon = text.find(':', slash);
  if (firstColon == std::string::npos || firstColon == slash + 1) {
    throw UsageError("failure '" + text + "': expected SUITE/OPERATION:CODE[:COUNT]");
  }
  FailureRule rule;
  rule.operation = text.substr(0, firstColon);
  std::string rest = text.substr(firstColon + 1);
  size_t secondColon = rest.rfind(':');
  std::string code = rest;
  if (secondColon != std::string::npos && secondColon > 0) {
    long long count = 0;
    std::string countText = rest.substr(secondColon + 1);
    if (!ParseDecimal(countText, count) || count < 0 || count > 1000000000) {
      throw UsageError("failure '" + text + "': count '" + countText +
                       "' is not a number from 0 up");
    }
    rule.remaining = static_cast<int>(count);
    code = rest.substr(0, secondColon);
  }
  rule.code = ParseErrorCode(code);
  if (rule.code == 0) throw UsageError("failure '" + text + "': code 0 is success");
  return rule;
}

void FailurePlan::Add(FailureRule rule) {
  rules_.push_back(std::move(rule));
}

HostErr FailurePlan::Take(std::string_view suite, std::string_view operation) {
  for (auto it = rules_.begin(); it != rules_.end(); ++it) {
    const std::string &op = it->operation;
    if (op.size() != suite.size() + 1 + operation.size() || !op.starts_with(suite) ||
        op[suite.size()] != '/' || !op.ends_with(operation)) {
      continue;
    }
    HostErr code = it->code;
    if (it->remaining > 0 && --it->remaining == 0) rules_.erase(it);
    return code;
  }
  return 0;
}

}  // namespace zvhost
