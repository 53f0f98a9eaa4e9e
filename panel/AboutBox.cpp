#include "panel/AboutBox.h"

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "panel/PanelControls.h"

int32_t RunAboutBox(HostPluginRef plugin) {
  return Require(gADMDialogSuite)
      .Modal(plugin, panel::kAboutDialogName, panel::kAboutDialogID, kADMModalDialogStyle,
             InitializeDialog, nullptr, 0);
}

HostErr ZV_API InitializeDialog(ADMDialogRef dialog) noexcept {
  return AtBoundary([dialog]() -> HostErr {
    Trace("InitializeDialog: Start");
    const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
    const ADMItemSuite7 &items = Require(gADMItemSuite);
    if (ADMItemRef ok = dialogs.GetItem(dialog, panel::kAboutOKItem)) {
      items.SetNotifyProc(ok, HandleDialogOKButton);
    }
    if (ADMItemRef picture = dialogs.GetItem(dialog, panel::kAboutPictureItem)) {
      items.SetPicture(picture, panel::kAboutPictureID, panel::kPictureName);
    }
    return kHostNoErr;
  });
}

void ZV_API HandleDialogOKButton(ADMItemRef item, ADMNotifierRef notifier) noexcept {
  AtBoundary<CalledWhen::kAnyTime>([item, notifier] {
    Trace("HandleDialogOKButton : Start");
    // The button's own handling ends the modal run.
    Require(gADMItemSuite).DefaultNotify(item, notifier);
  });
  AtBoundary<CalledWhen::kAnyTime>([] { Trace("HandleDialogOKButton : End"); });
}
