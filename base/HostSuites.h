// The suites table: every suite the module acquires, written once, and the variable that
// holds each. Every host service is called through them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ADMBasicSuite.h"
#include "ADMDialogGroupSuite.h"
#include "ADMDialogSuite.h"
#include "ADMEntrySuite.h"
#include "ADMIconSuite.h"
#include "ADMItemSuite.h"
#include "ADMListSuite.h"
#include "ADMNotifierSuite.h"
#include "ADMTrackerSuite.h"
#include "AIApplicationSuite.h"
#include "AIArtSetSuite.h"
#include "AIArtSuite.h"
#include "AIContextSuite.h"
#include "AIDocumentListSuite.h"
#include "AIDocumentSuite.h"
#include "AIFilePathSuite.h"
#include "AIFixedMathSuite.h"
#include "AIFoldersSuite.h"
#include "AIMdMemorySuite.h"
#include "AIMenuSuite.h"
#include "AINotifierSuite.h"
#include "AIPreferenceSuite.h"
#include "AIRuntimeSuite.h"
#include "AITextFrameSuite.h"
#include "AIUndoSuite.h"
#include "AIUnicodeStringSuite.h"
#include "AIUserSuite.h"
#include "PluginMessages.h"
#include "SPAccessSuite.h"
#include "SPBasicSuite.h"
#include "SPBlocksSuite.h"
#include "ate/ATESuites.h"

#include "base/AIError.h"

// The basic suite of the message being served.
extern const SPBasicSuite *gBasicSuite;

// Every suite the module acquires, one row each, in the order in which they are acquired and
// released: ROW(type, variable, name, version) for the host's and the dialog manager's
// suites, then ATE_ROW(kind, version) for each text-engine suite (ATE_SUITE_KINDS).
#define ZARVEL_HOST_SUITES(ROW, ATE_ROW)                                                          \
  ROW(SPBlocksSuite2, gSPBlocksSuite, kSPBlocksSuite, kSPBlocksSuiteVersion2)                     \
  ROW(AIMdMemorySuite1, gAIMdMemorySuite, kAIMdMemorySuite, kAIMdMemorySuiteVersion1)             \
  ROW(SPAccessSuite3, gSPAccessSuite, kSPAccessSuite, kSPAccessSuiteVersion3)                     \
  ROW(AIFixedMathSuite2, gAIFixedMathSuite, kAIFixedMathSuite, kAIFixedMathSuiteVersion2)         \
  ROW(AIArtSetSuite6, gAIArtSetSuite, kAIArtSetSuite, kAIArtSetSuiteVersion6)                     \
  ROW(AIArtSuite15, gAIArtSuite, kAIArtSuite, kAIArtSuiteVersion15)                               \
  ROW(AITextFrameSuite2, gAITextFrameSuite, kAITextFrameSuite, kAITextFrameSuiteVersion2)         \
  ROW(AIUserSuite6, gAIUserSuite, kAIUserSuite, kAIUserSuiteVersion6)                             \
  ROW(AIUndoSuite5, gAIUndoSuite, kAIUndoSuite, kAIUndoSuiteVersion5)                             \
  ROW(AIUnicodeStringSuite6, gAIUnicodeStringSuite, kAIUnicodeStringSuite,                        \
      kAIUnicodeStringSuiteVersion6)                                                              \
  ROW(AIRuntimeSuite10, gAIRuntimeSuite, kAIRuntimeSuite, kAIRuntimeSuiteVersion10)               \
  ROW(AIUserSuite9, gAIUserSuite9, kAIUserSuite, kAIUserSuiteVersion9)                            \
  ROW(AIFilePathSuite2, gAIFilePathSuite, kAIFilePathSuite, kAIFilePathSuiteVersion2)             \
  ROW(AIPreferenceSuite4, gAIPreferenceSuite, kAIPreferenceSuite, kAIPreferenceSuiteVersion4)     \
  ROW(ADMDialogGroupSuite6, gADMDialogGroupSuite, kADMDialogGroupSuite,                           \
      kADMDialogGroupSuiteVersion6)                                                               \
  ROW(ADMIconSuite2, gADMIconSuite2, kADMIconSuite, kADMIconSuiteVersion2)                        \
  ROW(ADMEntrySuite2, gADMEntrySuite, kADMEntrySuite, kADMEntrySuiteVersion2)                     \
  ROW(ADMListSuite1, gADMListSuite, kADMListSuite, kADMListSuiteVersion1)                         \
  ROW(ADMTrackerSuite2, gADMTrackerSuite, kADMTrackerSuite, kADMTrackerSuiteVersion2)             \
  ROW(ADMNotifierSuite2, gADMNotifierSuite, kADMNotifierSuite, kADMNotifierSuiteVersion2)         \
  ROW(AIContextSuite5, gAIContextSuite, kAIContextSuite, kAIContextSuiteVersion5)                 \
  ROW(AIDocumentSuite12, gAIDocumentSuite, kAIDocumentSuite, kAIDocumentSuiteVersion12)           \
  ROW(AINotifierSuite2, gAINotifierSuite, kAINotifierSuite, kAINotifierSuiteVersion2)             \
  ROW(AIDocumentListSuite6, gAIDocumentListSuite, kAIDocumentListSuite,                           \
      kAIDocumentListSuiteVersion6)                                                               \
  ROW(AIFoldersSuite3, gAIFoldersSuite, kAIFoldersSuite, kAIFoldersSuiteVersion3)                 \
  ROW(AIApplicationSuite1, gAIApplicationSuite, kAIApplicationSuite, kAIApplicationSuiteVersion1) \
  ROW(AIMenuSuite9, gAIMenuSuite, kAIMenuSuite, kAIMenuSuiteVersion9)                             \
  ROW(AINotifierSuite2, gAINotifierSuite2, kAINotifierSuite, kAINotifierSuiteVersion2)            \
  ROW(ADMBasicSuite10, gADMBasicSuite, kADMBasicSuite, kADMBasicSuiteVersion10)                   \
  ROW(ADMDialogSuite10, gADMDialogSuite, kADMDialogSuite, kADMDialogSuiteVersion10)               \
  ROW(ADMItemSuite7, gADMItemSuite, kADMItemSuite, kADMItemSuiteVersion7)                         \
  ROW(ADMIconSuite1, gADMIconSuite1, kADMIconSuite, kADMIconSuiteVersion1)                        \
  ATE_SUITE_KINDS(ATE_ROW)

// The suite variables, one per row, filled at start-up by AcquireHostSuites.
#define ZARVEL_SUITE_VARIABLE(type, variable, name, version) inline const type *variable = nullptr;
#define ZARVEL_ATE_SUITE_VARIABLE(kind, version) \
  ZARVEL_SUITE_VARIABLE(ATE##kind##Suite, gATE##kind##Suite, ATE_SUITE_NAME(kind), version)
ZARVEL_HOST_SUITES(ZARVEL_SUITE_VARIABLE, ZARVEL_ATE_SUITE_VARIABLE)
#undef ZARVEL_ATE_SUITE_VARIABLE
#undef ZARVEL_SUITE_VARIABLE

#define ZARVEL_COUNT_SUITE(...) +1
inline constexpr size_t kHostSuiteCount =
    0 ZARVEL_HOST_SUITES(ZARVEL_COUNT_SUITE, ZARVEL_COUNT_SUITE);
#undef ZARVEL_COUNT_SUITE
static_assert(kHostSuiteCount == 118,
              "the module acquires 118 suites: 32 of the host and "
              "the dialog manager, 86 of the text engine");

// Acquisitions of the table not yet matched by a release.
extern int16_t gSuiteAcquireCount;
// Whether the module holds its globals record: from start-up to shut-down, and from a reload
// that gives the record back. The lifecycle keeps it; suites are acquired again after a
// reload only while it is set.
extern bool gModuleRecordHeld;

// One row of the suites table.
struct HostSuiteEntry {
  const char *name;
  int32_t version;
  const void **target;
};

// The rows of ZARVEL_HOST_SUITES, in its order.
extern const HostSuiteEntry HostSuiteTable[kHostSuiteCount];

// Acquires the table on the first call, counts the others; names the first suite from the
// ADM Basic Suite's row on that cannot be had in an error alert and stops there.
HostErr AcquireHostSuites(const SPBasicSuite *basic);
// Releases the table when the count is exactly 1; the count falls by one in any case.
HostErr ReleaseHostSuites(const SPBasicSuite *basic);
// After a reload the module holds no suites: acquires the table again through the basic
// suite of the latest message, when the globals record is held and nothing is. Code
// that the host calls outside a message (dialog and item procedures) may call it too.
HostErr AcquireHostSuitesAfterReload();
// The alert that names a row that could not be acquired, NUL-terminated within 256 bytes.
std::array<char, 256> SuiteAlertText(HostErr code, const HostSuiteEntry &row);

// A suite variable that start-up could not fill stays empty. Callers reach suites through
// Require, which raises 'S!Fd' instead of calling through an empty variable.
template <class Suite>
const Suite &Require(const Suite *suite) {
  if (suite == nullptr) throw ai::Error(kHostSuiteNotFoundErr);
  return *suite;
}
