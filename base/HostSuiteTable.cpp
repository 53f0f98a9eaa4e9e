#include <cstdio>

#include "base/HostSuites.h"

const SPBasicSuite *gBasicSuite = nullptr;

const SPBlocksSuite2 *gSPBlocksSuite = nullptr;
const AIMdMemorySuite1 *gAIMdMemorySuite = nullptr;
const SPAccessSuite3 *gSPAccessSuite = nullptr;
const AIFixedMathSuite2 *gAIFixedMathSuite = nullptr;
const AIArtSetSuite6 *gAIArtSetSuite = nullptr;
const AIArtSuite15 *gAIArtSuite = nullptr;
const AITextFrameSuite2 *gAITextFrameSuite = nullptr;
const AIUserSuite6 *gAIUserSuite = nullptr;
const AIUndoSuite5 *gAIUndoSuite = nullptr;
const AIUnicodeStringSuite6 *gAIUnicodeStringSuite = nullptr;
const AIRuntimeSuite10 *gAIRuntimeSuite = nullptr;
const AIUserSuite9 *gAIUserSuite9 = nullptr;
const AIFilePathSuite2 *gAIFilePathSuite = nullptr;
const AIPreferenceSuite4 *gAIPreferenceSuite = nullptr;
const ADMDialogGroupSuite6 *gADMDialogGroupSuite = nullptr;
const ADMIconSuite2 *gADMIconSuite2 = nullptr;
const ADMEntrySuite2 *gADMEntrySuite = nullptr;
const ADMListSuite1 *gADMListSuite = nullptr;
const ADMTrackerSuite2 *gADMTrackerSuite = nullptr;
const ADMNotifierSuite2 *gADMNotifierSuite = nullptr;
const AIContextSuite5 *gAIContextSuite = nullptr;
const AIDocumentSuite12 *gAIDocumentSuite = nullptr;
const AINotifierSuite2 *gAINotifierSuite = nullptr;
const AIDocumentListSuite6 *gAIDocumentListSuite = nullptr;
const AIFoldersSuite3 *gAIFoldersSuite = nullptr;
const AIApplicationSuite1 *gAIApplicationSuite = nullptr;
const AIMenuSuite9 *gAIMenuSuite = nullptr;
const AINotifierSuite2 *gAINotifierSuite2 = nullptr;
const ADMBasicSuite10 *gADMBasicSuite = nullptr;
const ADMDialogSuite10 *gADMDialogSuite = nullptr;
const ADMItemSuite7 *gADMItemSuite = nullptr;
const ADMIconSuite1 *gADMIconSuite1 = nullptr;

#define ZARVEL_DEFINE_ATE_SUITE_VARIABLE(kind, version) \
  const ATE##kind##Suite *gATE##kind##Suite = nullptr;
ATE_SUITE_KINDS(ZARVEL_DEFINE_ATE_SUITE_VARIABLE)
#undef ZARVEL_DEFINE_ATE_SUITE_VARIABLE

int16_t gSuiteAcquireCount = 0;
bool gModuleRecordHeld = false;

namespace {

// The basic suite fills a suite variable through an untyped pointer to it.
template <class Suite>
const void **Target(const Suite *&variable) {
  return reinterpret_cast<const void **>(&variable);
}

}  // namespace

#define ZARVEL_ATE_SUITE_ROW(kind, version) \
  {ATE_SUITE_NAME(kind), version, Target(gATE##kind##Suite)},

const HostSuiteEntry HostSuiteTable[118] = {
    {kSPBlocksSuite, kSPBlocksSuiteVersion2, Target(gSPBlocksSuite)},
    {kAIMdMemorySuite, kAIMdMemorySuiteVersion1, Target(gAIMdMemorySuite)},
    {kSPAccessSuite, kSPAccessSuiteVersion3, Target(gSPAccessSuite)},
    {kAIFixedMathSuite, kAIFixedMathSuiteVersion2, Target(gAIFixedMathSuite)},
    {kAIArtSetSuite, kAIArtSetSuiteVersion6, Target(gAIArtSetSuite)},
    {kAIArtSuite, kAIArtSuiteVersion15, Target(gAIArtSuite)},
    {kAITextFrameSuite, kAITextFrameSuiteVersion2, Target(gAITextFrameSuite)},
    {kAIUserSuite, kAIUserSuiteVersion6, Target(gAIUserSuite)},
    {kAIUndoSuite, kAIUndoSuiteVersion5, Target(gAIUndoSuite)},
    {kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion6, Target(gAIUnicodeStringSuite)},
    {kAIRuntimeSuite, kAIRuntimeSuiteVersion10, Target(gAIRuntimeSuite)},
    {kAIUserSuite, kAIUserSuiteVersion9, Target(gAIUserSuite9)},
    {kAIFilePathSuite, kAIFilePathSuiteVersion2, Target(gAIFilePathSuite)},
    {kAIPreferenceSuite, kAIPreferenceSuiteVersion4, Target(gAIPreferenceSuite)},
    {kADMDialogGroupSuite, kADMDialogGroupSuiteVersion6, Target(gADMDialogGroupSuite)},
    {kADMIconSuite, kADMIconSuiteVersion2, Target(gADMIconSuite2)},
    {kADMEntrySuite, kADMEntrySuiteVersion2, Target(gADMEntrySuite)},
    {kADMListSuite, kADMListSuiteVersion1, Target(gADMListSuite)},
    {kADMTrackerSuite, kADMTrackerSuiteVersion2, Target(gADMTrackerSuite)},
    {kADMNotifierSuite, kADMNotifierSuiteVersion2, Target(gADMNotifierSuite)},
    {kAIContextSuite, kAIContextSuiteVersion5, Target(gAIContextSuite)},
    {kAIDocumentSuite, kAIDocumentSuiteVersion12, Target(gAIDocumentSuite)},
    {kAINotifierSuite, kAINotifierSuiteVersion2, Target(gAINotifierSuite)},
    {kAIDocumentListSuite, kAIDocumentListSuiteVersion6, Target(gAIDocumentListSuite)},
    {kAIFoldersSuite, kAIFoldersSuiteVersion3, Target(gAIFoldersSuite)},
    {kAIApplicationSuite, kAIApplicationSuiteVersion1, Target(gAIApplicationSuite)},
    {kAIMenuSuite, kAIMenuSuiteVersion9, Target(gAIMenuSuite)},
    {kAINotifierSuite, kAINotifierSuiteVersion2, Target(gAINotifierSuite2)},
    {kADMBasicSuite, kADMBasicSuiteVersion10, Target(gADMBasicSuite)},
    {kADMDialogSuite, kADMDialogSuiteVersion10, Target(gADMDialogSuite)},
    {kADMItemSuite, kADMItemSuiteVersion7, Target(gADMItemSuite)},
    {kADMIconSuite, kADMIconSuiteVersion1, Target(gADMIconSuite1)},
    ATE_SUITE_KINDS(ZARVEL_ATE_SUITE_ROW)};

#undef ZARVEL_ATE_SUITE_ROW

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
