#include "host/adm/AdmHandles.h"

#include "host/core/Host.h"

namespace zvhost {

std::string AdmHandles::Describe(uintptr_t raw, AdmKind wanted, const char *noun) const {
  auto found = live_.find(raw);
  if (found != live_.end() && found->second.kind != wanted) {
    return std::string(noun) + " expected, but the handle names an object of another kind";
  }
  if (raw >= 0x10000 && raw < next_) return std::string("use of a destroyed ") + noun;
  return std::string("use of an unknown ") + noun + " handle";
}

void AdmHandles::Misuse(const std::string &operation, const std::string &reason) {
  TheHost().findings.Report(operation, reason);
}

}  // namespace zvhost
