#include "host/core/WholeNumber.h"

#include <charconv>

#include "host/core/UsageError.h"

namespace zvhost {

int64_t WholeNumber(const std::string &word, const std::string &what, int64_t low, int64_t high) {
  int64_t value = 0;
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (end != word.data() + word.size() ||
      (error != std::errc() && error != std::errc::result_out_of_range)) {
    throw UsageError(what + ": '" + word + "' is not a whole number");
  }
  if (error == std::errc::result_out_of_range || value < low || value > high) {
    throw UsageError(what + ": " + word + " is out of range");
  }
  return value;
}

}  // namespace zvhost
