#include "host/adm/AdmObjects.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace zvhost {

int32_t List::IndexOf(const Entry *entry) const {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].get() == entry) return static_cast<int32_t>(i);
  }
  return -1;
}

Item *Dialog::FindItem(int32_t id) const {
  for (const auto &item : items) {
    if (item->id == id) return item.get();
  }
  return nullptr;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

std::optional<double> NumberOf(const std::string &text) {
  size_t first = text.find_first_not_of(' ');
  size_t last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const char *begin = text.data() + first;
  const char *end = text.data() + last + 1;
  double value = 0;
  auto [stop, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string FormatNumber(double value) {
  char buffer[64];
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    char *end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value)).ptr;
    return std::string(buffer, end);
  }
  // A value that came in as a float reads best as that float's shortest text.
  const auto single = static_cast<float>(value);
  char *end = static_cast<double>(single) == value
                  ? std::to_chars(buffer, buffer + sizeof buffer, single).ptr
                  : std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

}  // namespace zvhost
