#include "host/engine/FloatText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zvhost::engine {

Json FloatJson(float value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  // The float's shortest text, read as a double, is the double that JSON writes shortest.
  char text[32];
  auto written = std::to_chars(text, text + sizeof text, value);
  double shortest = 0;
  std::from_chars(text, written.ptr, shortest);
  return shortest;
}

std::optional<float> ParseNonFiniteFloat(std::string_view text) {
  if (text == "NaN") return std::numeric_limits<float>::quiet_NaN();
  if (text == "Infinity") return std::numeric_limits<float>::infinity();
  if (text == "-Infinity") return -std::numeric_limits<float>::infinity();
  return std::nullopt;
}

}  // namespace zvhost::engine
