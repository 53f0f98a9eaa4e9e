#include <cstdio>

#include "base/HostSuites.h"

const SPBasicSuite *gBasicSuite = nullptr;

int16_t gSuiteAcquireCount = 0;
bool gModuleRecordHeld = false;

namespace {

// The basic suite fills a suite variable through an untyped pointer to it.
template <class Suite>
const void **Target(const Suite *&variable) {
  return reinterpret_cast<const void **>(&variable);
}

}  // namespace

#define ZARVEL_SUITE_ROW(type, variable, name, version) {name, version, Target(variable)},
#define ZARVEL_ATE_SUITE_ROW(kind, version) \
  ZARVEL_SUITE_ROW(ATE##kind##Suite, gATE##kind##Suite, ATE_SUITE_NAME(kind), version)

const HostSuiteEntry HostSuiteTable[kHostSuiteCount] = {
    ZARVEL_HOST_SUITES(ZARVEL_SUITE_ROW, ZARVEL_ATE_SUITE_ROW)};

#undef ZARVEL_ATE_SUITE_ROW
#undef ZARVEL_SUITE_ROW

std::array<char, 256> SuiteAlertText(HostErr code, const HostSuiteEntry &row) {
  std::array<char, 256> text{};
  std::snprintf(text.data(), text.size(), "Error: %d, suite: %s, version: %d!",
                static_cast<int>(code), row.name, static_cast<int>(row.version));
  return text;
}

HostErr AcquireHostSuites(const SPBasicSuite *basic) {
  HostErr result = kHostNoErr;
  if (gSuiteAcquireCount == 0) {
    // Every variable starts the walk empty, so a row that cannot be had reads as missing
    // rather than as whatever an earlier acquisition left there.
    for (const HostSuiteEntry &row : HostSuiteTable) {
      if (row.target != nullptr) *row.target = nullptr;
    }
    for (const HostSuiteEntry &row : HostSuiteTable) {
      if (row.target == nullptr) continue;
      result = basic->AcquireSuite(row.name, row.version, row.target);
      if (result == kHostNoErr) continue;
      // Before the dialog manager's basic suite is held there is no way to tell the user;
      // the variable stays empty and the callers find it so.
      if (gADMBasicSuite != nullptr) {
        gADMBasicSuite->ErrorAlert(SuiteAlertText(result, row).data());
        break;
      }
    }
  }
  ++gSuiteAcquireCount;
  return result;
}

HostErr ReleaseHostSuites(const SPBasicSuite *basic) {
  HostErr result = kHostNoErr;
  if (gSuiteAcquireCount == 1) {
    // Only suites that were had are given back, each once; a failing release does not keep
    // the rows after it held.
    for (const HostSuiteEntry &row : HostSuiteTable) {
      if (row.target == nullptr || *row.target == nullptr) continue;
      const HostErr released = basic->ReleaseSuite(row.name, row.version);
      if (released == kHostNoErr) {
        *row.target = nullptr;
      } else if (result == kHostNoErr) {
        result = released;
      }
    }
  }
  --gSuiteAcquireCount;
  return result;
}

HostErr AcquireHostSuitesAfterReload() {
  if (!gModuleRecordHeld || gSuiteAcquireCount != 0 || gBasicSuite == nullptr) return kHostNoErr;
  return AcquireHostSuites(gBasicSuite);
}
