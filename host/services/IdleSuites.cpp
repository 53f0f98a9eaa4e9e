// Suites the module acquires but never calls. The host offers them with working, simple
// operations, as a real host would, so that acquiring them is a real acquisition.
#include <cstdlib>
#include <cstring>

#include "AIApplicationSuite.h"
#include "AIArtSuite.h"
#include "AIContextSuite.h"
#include "AIFilePathSuite.h"
#include "AIFixedMathSuite.h"
#include "AIFoldersSuite.h"
#include "AIMdMemorySuite.h"
#include "AIRuntimeSuite.h"
#include "AIUndoSuite.h"
#include "SPAccessSuite.h"
#include "SPBlocksSuite.h"
#include "host/core/BasicSuite.h"
#include "host/core/Failpoint.h"
#include "host/loader/PluginConnection.h"
#include "host/services/ServiceSuites.h"

namespace zvhost {

namespace {

// Each operation begins with its failure point; the suite name is the operation's prefix.
#define ZV_IDLE_FAILPOINT(suite, op) \
  if (HostErr err = Failpoint(suite, #op)) return err

HostErr ZV_API BlocksAllocateBlock(size_t size, const char *, void **block) {
  ZV_IDLE_FAILPOINT(kSPBlocksSuite, AllocateBlock);
  return BasicSuite::The().Allocate(size, block);
}
HostErr ZV_API BlocksFreeBlock(void *block) {
  ZV_IDLE_FAILPOINT(kSPBlocksSuite, FreeBlock);
  return BasicSuite::The().Free(block);
}

HostErr ZV_API MdMemoryNewHandle(int32_t size, void **handle) {
  ZV_IDLE_FAILPOINT(kAIMdMemorySuite, MdMemoryNewHandle);
  if (size < 0) return kHostBadParameterErr;
  return BasicSuite::The().Allocate(static_cast<size_t>(size), handle);
}
HostErr ZV_API MdMemoryDisposeHandle(void *handle) {
  ZV_IDLE_FAILPOINT(kAIMdMemorySuite, MdMemoryDisposeHandle);
  return BasicSuite::The().Free(handle);
}

HostErr ZV_API GetPluginName(HostPluginRef plugin, const char **name) {
  ZV_IDLE_FAILPOINT(kSPAccessSuite, GetPluginName);
  const PluginConnection *connection = PluginConnection::Of(plugin);
  if (name == nullptr || connection == nullptr || !connection->Loaded()) {
    return kHostBadParameterErr;
  }
  *name = connection->Module().Properties().name.c_str();
  return kHostNoErr;
}
HostErr ZV_API GetPluginAccessCount(HostPluginRef plugin, int32_t *count) {
  ZV_IDLE_FAILPOINT(kSPAccessSuite, GetPluginAccessCount);
  const PluginConnection *connection = PluginConnection::Of(plugin);
  if (count == nullptr || connection == nullptr) {
    return kHostBadParameterErr;
  }
  *count = connection->Loaded() ? 1 : 0;
  return kHostNoErr;
}

// 16.16 fixed-point numbers.
HostErr ZV_API FixedMul(int32_t a, int32_t b, int32_t *product) {
  ZV_IDLE_FAILPOINT(kAIFixedMathSuite, FixedMul);
  if (product == nullptr) return kHostBadParameterErr;
  *product = static_cast<int32_t>((static_cast<int64_t>(a) * b) >> 16);
  return kHostNoErr;
}
HostErr ZV_API FixedDiv(int32_t a, int32_t b, int32_t *quotient) {
  ZV_IDLE_FAILPOINT(kAIFixedMathSuite, FixedDiv);
  if (quotient == nullptr || b == 0) return kHostBadParameterErr;
  *quotient = static_cast<int32_t>((static_cast<int64_t>(a) << 16) / b);
  return kHostNoErr;
}

// Art questions are answered by the document's art set suite; art handles are not
// checked here, so the host refuses them all as unknown.
HostErr ZV_API GetArtType(AIArtHandle, int16_t *) {
  ZV_IDLE_FAILPOINT(kAIArtSuite, GetArtType);
  return kHostBadParameterErr;
}
HostErr ZV_API GetArtUserAttr(AIArtHandle, int32_t, int32_t *) {
  ZV_IDLE_FAILPOINT(kAIArtSuite, GetArtUserAttr);
  return kHostBadParameterErr;
}

HostErr ZV_API SetUndoText(const char *, const char *) {
  ZV_IDLE_FAILPOINT(kAIUndoSuite, SetUndoText);
  return kHostNoErr;
}
HostErr ZV_API UndoChanges() {
  ZV_IDLE_FAILPOINT(kAIUndoSuite, UndoChanges);
  return kHostNoErr;
}

HostErr ZV_API GetAppName(const char **name) {
  ZV_IDLE_FAILPOINT(kAIRuntimeSuite, GetAppName);
  if (name == nullptr) return kHostBadParameterErr;
  *name = "zarvel-host";
  return kHostNoErr;
}
HostErr ZV_API GetAppVersion(int32_t *major, int32_t *minor) {
  ZV_IDLE_FAILPOINT(kAIRuntimeSuite, GetAppVersion);
  if (major == nullptr || minor == nullptr) return kHostBadParameterErr;
  *major = 14;
  *minor = 0;
  return kHostNoErr;
}

HostErr ZV_API Exists(const char *path, HostBool *exists) {
  ZV_IDLE_FAILPOINT(kAIFilePathSuite, Exists);
  if (path == nullptr || exists == nullptr) return kHostBadParameterErr;
  *exists = 0;
  return kHostNoErr;
}

HostErr ZV_API PushAppContext(HostPluginRef, void **context) {
  ZV_IDLE_FAILPOINT(kAIContextSuite, PushAppContext);
  if (context == nullptr) return kHostBadParameterErr;
  *context = nullptr;
  return kHostNoErr;
}
HostErr ZV_API PopAppContext(void *) {
  ZV_IDLE_FAILPOINT(kAIContextSuite, PopAppContext);
  return kHostNoErr;
}

HostErr ZV_API GetPluginsFolder(char *path, int32_t size) {
  ZV_IDLE_FAILPOINT(kAIFoldersSuite, GetPluginsFolder);
  if (path == nullptr || size < 1) return kHostBadParameterErr;
  const char *folder = "Plug-ins";
  if (static_cast<int32_t>(std::strlen(folder)) >= size) return kHostBadParameterErr;
  std::strcpy(path, folder);
  return kHostNoErr;
}

HostErr ZV_API IsUserInteractionAllowed(HostBool *allowed) {
  ZV_IDLE_FAILPOINT(kAIApplicationSuite, IsUserInteractionAllowed);
  if (allowed == nullptr) return kHostBadParameterErr;
  *allowed = 0;  // headless: nothing waits for a person
  return kHostNoErr;
}

const SPBlocksSuite2 kBlocks = {BlocksAllocateBlock, BlocksFreeBlock};
const AIMdMemorySuite1 kMdMemory = {MdMemoryNewHandle, MdMemoryDisposeHandle};
const SPAccessSuite3 kAccess = {GetPluginName, GetPluginAccessCount};
const AIFixedMathSuite2 kFixedMath = {FixedMul, FixedDiv};
const AIArtSuite15 kArt = {GetArtType, GetArtUserAttr};
const AIUndoSuite5 kUndo = {SetUndoText, UndoChanges};
const AIRuntimeSuite10 kRuntime = {GetAppName, GetAppVersion};
const AIFilePathSuite2 kFilePath = {Exists};
const AIContextSuite5 kContext = {PushAppContext, PopAppContext};
const AIFoldersSuite3 kFolders = {GetPluginsFolder};
const AIApplicationSuite1 kApplication = {IsUserInteractionAllowed};

}  // namespace

void OfferIdleSuites() {
  SuiteRegistry &suites = HostServices::The().suites;
  suites.Offer(kSPBlocksSuite, kSPBlocksSuiteVersion2, &kBlocks, {"AllocateBlock", "FreeBlock"});
  suites.Offer(kAIMdMemorySuite, kAIMdMemorySuiteVersion1, &kMdMemory,
               {"MdMemoryNewHandle", "MdMemoryDisposeHandle"});
  suites.Offer(kSPAccessSuite, kSPAccessSuiteVersion3, &kAccess,
               {"GetPluginName", "GetPluginAccessCount"});
  suites.Offer(kAIFixedMathSuite, kAIFixedMathSuiteVersion2, &kFixedMath, {"FixedMul", "FixedDiv"});
  suites.Offer(kAIArtSuite, kAIArtSuiteVersion15, &kArt, {"GetArtType", "GetArtUserAttr"});
  suites.Offer(kAIUndoSuite, kAIUndoSuiteVersion5, &kUndo, {"SetUndoText", "UndoChanges"});
  suites.Offer(kAIRuntimeSuite, kAIRuntimeSuiteVersion10, &kRuntime,
               {"GetAppName", "GetAppVersion"});
  suites.Offer(kAIFilePathSuite, kAIFilePathSuiteVersion2, &kFilePath, {"Exists"});
  suites.Offer(kAIContextSuite, kAIContextSuiteVersion5, &kContext,
               {"PushAppContext", "PopAppContext"});
  suites.Offer(kAIFoldersSuite, kAIFoldersSuiteVersion3, &kFolders, {"GetPluginsFolder"});
  suites.Offer(kAIApplicationSuite, kAIApplicationSuiteVersion1, &kApplication,
               {"IsUserInteractionAllowed"});
}

}  // namespace zvhost
