#include "plugin/PluginLifecycle.h"

#include <new>

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "panel/PanelControls.h"
#include "panel/ZarvelNonModalDialog.h"
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
  gModuleRecordHeld = true;

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
  gModuleRecordHeld = false;
  message->globals = nullptr;
  return kHostNoErr;
}

HostErr UnloadPlugin(SPMessageData *message) {
  // The system loader may place the module elsewhere when it comes back: nothing that the
  // record keeps may point into the module's image. The panel object does (its table of
  // virtual functions): it ends now and is made again at the reload, in the same storage.
  if (gGlobals != nullptr && gGlobals->panel != nullptr) {
    gGlobals->suspendedPanel = gGlobals->panel;
    gGlobals->suspendedPanelDialog = ZarvelNonModalDialog::Suspend(gGlobals->panel);
    gGlobals->panel = nullptr;
  }
  message->globals = gGlobals;
  ReleaseHostSuites(message->basic);
  return kHostNoErr;
}

HostErr ReloadPlugin(SPMessageData *message) {
  gGlobals = static_cast<PluginGlobals *>(message->globals);
  gModuleRecordHeld = gGlobals != nullptr;
  gSuiteAcquireCount = 0;
  if (gGlobals != nullptr && gGlobals->suspendedPanel != nullptr) {
    gGlobals->panel =
        ZarvelNonModalDialog::Resume(gGlobals->suspendedPanel, gGlobals->suspendedPanelDialog);
    gGlobals->suspendedPanel = nullptr;
    gGlobals->suspendedPanelDialog = nullptr;
  }
  return kHostNoErr;
}

HostErr AboutPlugin(SPMessageData *message) {
  Require(gADMDialogSuite)
      .Modal(message->self, kPlainAboutDialogName, panel::kAboutDialogID, kADMModalDialogStyle,
             AboutInitProc, nullptr, 0);
  return kHostNoErr;
}

HostErr ZV_API AboutInitProc(ADMDialogRef dialog) noexcept {
  return AtBoundary([dialog]() -> HostErr {
    if (ADMItemRef ok = Require(gADMDialogSuite).GetItem(dialog, panel::kAboutOKItem)) {
      Require(gADMItemSuite).SetNotifyProc(ok, AboutOKProc);
    }
    return kHostNoErr;
  });
}

void ZV_API AboutOKProc(ADMItemRef item, ADMNotifierRef notifier) noexcept {
  AtBoundary([item, notifier]() -> HostErr {
    Require(gADMItemSuite).DefaultNotify(item, notifier);
    return kHostNoErr;
  });
}
