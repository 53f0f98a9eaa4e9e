#include "plugin/PluginLifecycle.h"

#include <new>

#include "panel/PanelControls.h"
#include "panel/ZarvelNonModalDialog.h"
#include "plugin/ExceptionCode.h"
#include "plugin/HostSuites.h"
#include "plugin/MenusAndNotifiers.h"
#include "plugin/PluginGlobals.h"

PluginGlobals *gGlobals = nullptr;

namespace {
// The host's About request shows the About box under its own dialog name.
inline constexpr char kPlainAboutDialogName[] = "About Dialog";
}  // namespace

HostErr StartupPlugin(SPMessageData *message) {
  HostErr result = AcquireHostSuites(message->basic);
  if (result != kHostNoErr) return result;

  void *block = nullptr;
  result = message->basic->AllocateBlock(sizeof(PluginGlobals), &block);
  if (result != kHostNoErr) return result;
  gGlobals = new (block) PluginGlobals{};

  return AddPluginMenusAndNotifiers(message);
}

HostErr ShutdownPlugin(SPMessageData *message) {
  if (gGlobals != nullptr) {
    // The record is the panel object's only holder: once it is freed nothing could reach
    // the object again. By now the dialog manager has destroyed the panel's dialog, or the
    // object destroys it here, while the suites are still held.
    delete gGlobals->panel;
    gGlobals->~PluginGlobals();
    message->basic->FreeBlock(gGlobals);
  }
  gGlobals = nullptr;
  message->globals = nullptr;
  return kHostNoErr;
}

HostErr UnloadPlugin(SPMessageData *message) {
  message->globals = gGlobals;
  ReleaseHostSuites(message->basic);
  return kHostNoErr;
}

HostErr ReloadPlugin(SPMessageData *message) {
  gGlobals = static_cast<PluginGlobals *>(message->globals);
  gSuiteAcquireCount = 0;
  return kHostNoErr;
}

HostErr AboutPlugin(SPMessageData *message) {
  Require(gADMDialogSuite)
      .Modal(message->self, kPlainAboutDialogName, panel::kAboutDialogID, kADMModalDialogStyle,
             AboutInitProc, nullptr, 0);
  return kHostNoErr;
}

HostErr ZV_API AboutInitProc(ADMDialogRef dialog) {
  return CodeOf([dialog]() -> HostErr {
    if (ADMItemRef ok = Require(gADMDialogSuite).GetItem(dialog, panel::kAboutOKItem)) {
      Require(gADMItemSuite).SetNotifyProc(ok, AboutOKProc);
    }
    return kHostNoErr;
  });
}

void ZV_API AboutOKProc(ADMItemRef item, ADMNotifierRef notifier) {
  CodeOf([item, notifier]() -> HostErr {
    Require(gADMItemSuite).DefaultNotify(item, notifier);
    return kHostNoErr;
  });
}
