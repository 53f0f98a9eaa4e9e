#include "host/adm/AdmHandles.h"

#include "host/core/HostServices.h"

namespace zvhost {

AdmHandles::AdmHandles() : registry_(HostServices::The().handles) {}

void AdmHandles::Misuse(const std::string &operation, const std::string &reason) {
  HostServices::The().findings.Report(operation, reason);
}

}  // namespace zvhost
