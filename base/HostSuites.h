// The module's suite variables: one per row of the suites table, filled at start-up by
// AcquireHostSuites. Every host service is called through them.
#pragma once

#include <array>
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

extern const SPBlocksSuite2 *gSPBlocksSuite;
extern const AIMdMemorySuite1 *gAIMdMemorySuite;
extern const SPAccessSuite3 *gSPAccessSuite;
extern const AIFixedMathSuite2 *gAIFixedMathSuite;
extern const AIArtSetSuite6 *gAIArtSetSuite;
extern const AIArtSuite15 *gAIArtSuite;
extern const AITextFrameSuite2 *gAITextFrameSuite;
extern const AIUserSuite6 *gAIUserSuite;
extern const AIUndoSuite5 *gAIUndoSuite;
extern const AIUnicodeStringSuite6 *gAIUnicodeStringSuite;
extern const AIRuntimeSuite10 *gAIRuntimeSuite;
extern const AIUserSuite9 *gAIUserSuite9;
extern const AIFilePathSuite2 *gAIFilePathSuite;
extern const AIPreferenceSuite4 *gAIPreferenceSuite;
extern const ADMDialogGroupSuite6 *gADMDialogGroupSuite;
extern const ADMIconSuite2 *gADMIconSuite2;
extern const ADMEntrySuite2 *gADMEntrySuite;
extern const ADMListSuite1 *gADMListSuite;
extern const ADMTrackerSuite2 *gADMTrackerSuite;
extern const ADMNotifierSuite2 *gADMNotifierSuite;
extern const AIContextSuite5 *gAIContextSuite;
extern const AIDocumentSuite12 *gAIDocumentSuite;
extern const AINotifierSuite2 *gAINotifierSuite;
extern const AIDocumentListSuite6 *gAIDocumentListSuite;
extern const AIFoldersSuite3 *gAIFoldersSuite;
extern const AIApplicationSuite1 *gAIApplicationSuite;
extern const AIMenuSuite9 *gAIMenuSuite;
extern const AINotifierSuite2 *gAINotifierSuite2;
extern const ADMBasicSuite10 *gADMBasicSuite;
extern const ADMDialogSuite10 *gADMDialogSuite;
extern const ADMItemSuite7 *gADMItemSuite;
extern const ADMIconSuite1 *gADMIconSuite1;

#define ZARVEL_DECLARE_ATE_SUITE_VARIABLE(kind, version) \
  extern const ATE##kind##Suite *gATE##kind##Suite;
ATE_SUITE_KINDS(ZARVEL_DECLARE_ATE_SUITE_VARIABLE)
#undef ZARVEL_DECLARE_ATE_SUITE_VARIABLE

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

// The 118 rows, in the order in which they are acquired and released.
extern const HostSuiteEntry HostSuiteTable[118];

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
