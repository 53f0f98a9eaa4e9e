// The dialog manager's suites, one file each. Every operation begins with its failure
// point; one without an error code fails by returning its empty value and doing nothing.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "host/adm/DialogManager.h"
#include "host/core/Failpoint.h"
#include "host/core/SuiteRegistry.h"

namespace zvhost {

void OfferAdmBasicSuite(SuiteRegistry &suites);
void OfferAdmDialogSuite(SuiteRegistry &suites);
void OfferAdmDialogGroupSuite(SuiteRegistry &suites);
void OfferAdmItemSuite(SuiteRegistry &suites);
void OfferAdmListSuite(SuiteRegistry &suites);
void OfferAdmEntrySuite(SuiteRegistry &suites);
void OfferAdmNotifierSuite(SuiteRegistry &suites);
void OfferAdmTrackerSuite(SuiteRegistry &suites);
void OfferAdmIconSuites(SuiteRegistry &suites);

inline void OfferAdmSuites(SuiteRegistry &suites) {
  OfferAdmBasicSuite(suites);
  OfferAdmDialogSuite(suites);
  OfferAdmDialogGroupSuite(suites);
  OfferAdmItemSuite(suites);
  OfferAdmListSuite(suites);
  OfferAdmEntrySuite(suites);
  OfferAdmNotifierSuite(suites);
  OfferAdmTrackerSuite(suites);
  OfferAdmIconSuites(suites);
}

// The failure point of a suite operation: `empty` is what the operation returns when it is
// made to fail (nothing for an operation without a result).
#define ZV_ADM_FAILPOINT(operation, empty) \
  if (Failpoint(kSuite, #operation) != kHostNoErr) return empty

// The object behind a reference handed to operation `operation` of the file's suite; null
// (reported as misuse) for a dead, foreign or null reference.
#define ZV_ADM_FIND(Type, ref, operation) \
  DialogManager::The().Handles().Find<Type>(ref, std::string(kSuite) + "/" #operation)

// Copies a text into a buffer of the module: NUL-terminated, cut to `size` bytes.
inline void CopyText(const std::string &text, char *buffer, int32_t size) {
  if (buffer == nullptr || size < 1) return;
  size_t length = std::min(text.size(), static_cast<size_t>(size) - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
}

}  // namespace zvhost
