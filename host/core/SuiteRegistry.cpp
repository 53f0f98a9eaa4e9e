#include "host/core/SuiteRegistry.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "host/core/Failpoint.h"

namespace zvhost {

void SuiteRegistry::Offer(std::string name, int32_t version, const void *table,
                          std::vector<std::string> operations) {
  suites_.push_back({std::move(name), version, table, std::move(operations)});
}

void SuiteRegistry::Withhold(std::string name, int32_t version) {
  for (Offered &suite : suites_) {
    if (suite.name == name && suite.version == version) suite.withheld = true;
  }
}

SuiteRegistry::Offered *SuiteRegistry::Lookup(const char *name, int32_t version) {
  if (name == nullptr) return nullptr;
  for (Offered &suite : suites_) {
    if (suite.version == version && suite.name == name) return &suite;
  }
  return nullptr;
}

HostErr SuiteRegistry::Acquire(const char *name, int32_t version, const void **table) {
  if (HostErr err = Failpoint("SP Basic Suite", "AcquireSuite")) return err;
  Offered *suite = Lookup(name, version);
  if (suite == nullptr || suite->withheld || table == nullptr) return kHostSuiteNotFoundErr;
  ++suite->acquired;
  *table = suite->table;
  return kHostNoErr;
}

HostErr SuiteRegistry::Release(const char *name, int32_t version) {
  if (HostErr err = Failpoint("SP Basic Suite", "ReleaseSuite")) return err;
  Offered *suite = Lookup(name, version);
  if (suite == nullptr || suite->acquired == 0) return kHostSuiteNotFoundErr;
  --suite->acquired;
  return kHostNoErr;
}

bool SuiteRegistry::Offers(const std::string &name, int32_t version) const {
  return std::any_of(suites_.begin(), suites_.end(), [&](const Offered &suite) {
    return suite.name == name && suite.version == version;
  });
}

std::vector<std::string> SuiteRegistry::AllSuites() const {
  std::vector<std::string> all;
  for (const Offered &suite : suites_)
    all.push_back(suite.name + ":" + std::to_string(suite.version));
  return all;
}

bool SuiteRegistry::HasOperation(const std::string &operation) const {
  size_t slash = operation.find('/');
  if (slash == std::string::npos) return false;
  std::string name = operation.substr(0, slash);
  std::string op = operation.substr(slash + 1);
  return std::any_of(suites_.begin(), suites_.end(), [&](const Offered &suite) {
    return suite.name == name && std::find(suite.operations.begin(), suite.operations.end(), op) !=
                                     suite.operations.end();
  });
}

std::vector<std::string> SuiteRegistry::AllOperations() const {
  std::vector<std::string> all;
  std::set<std::string> seen;
  for (const Offered &suite : suites_) {
    for (const std::string &op : suite.operations) {
      std::string full = suite.name + "/" + op;
      if (seen.insert(full).second) all.push_back(full);
    }
  }
  return all;
}

int SuiteRegistry::Outstanding() const {
  int total = 0;
  for (const Offered &suite : suites_) total += suite.acquired;
  return total;
}

}  // namespace zvhost
