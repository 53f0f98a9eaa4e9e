#include <array>
#include <cctype>

#include "host/resources/ResourceSource.h"

namespace zvhost {

namespace {

// The standard numbered types, by number.
constexpr std::array<const char *, 25> kStandardTypeNames = {
    nullptr,      "CURSOR",  "BITMAP",      "ICON",       "MENU",         "DIALOG",       "STRING",
    "FONTDIR",    "FONT",    "ACCELERATOR", "RCDATA",     "MESSAGETABLE", "GROUP_CURSOR", nullptr,
    "GROUP_ICON", nullptr,   "VERSION",     "DLGINCLUDE", nullptr,        "PLUGPLAY",     "VXD",
    "ANICURSOR",  "ANIICON", "HTML",        "MANIFEST"};

bool SameTextIgnoringCase(const std::string &a, const std::string &b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool ResourceType::operator==(const ResourceType &other) const {
  if (name.empty() || other.name.empty())
    return name.empty() && other.name.empty() && number == other.number;
  return SameTextIgnoringCase(name, other.name);
}

std::string ResourceType::ToString() const {
  if (!name.empty()) return name;
  if (number < kStandardTypeNames.size() && kStandardTypeNames[number]) {
    return kStandardTypeNames[number];
  }
  return "#" + std::to_string(number);
}

}  // namespace zvhost
