#include <string>

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "panel/PanelControlTable.h"
#include "panel/ZarvelNonModalDialog.h"
#include "plugin/MenusAndNotifiers.h"
#include "plugin/PluginGlobals.h"

namespace {

inline constexpr char kRegistrationName[] = "ZarvelPlugin";

// The notifications the plug-in registers for, in registration order.
struct Registration {
  const char *type;
  AINotifierHandle PluginGlobals::*handle;
};
inline constexpr Registration kRegistrations[] = {
    {kAIArtSelectionChangedNotifier, &PluginGlobals::selectionChangedNotifier},
    {kAIDocumentNewNotifier, &PluginGlobals::documentNewNotifier},
    {kAIDocumentOpenedNotifier, &PluginGlobals::documentOpenedNotifier},
    {kAIDocumentClosedNotifier, &PluginGlobals::documentClosedNotifier},
};

// The trace text of a failing panel operation on a notification, naming the reset.
std::string FailureText(const char *resetName) {
  return std::string("goNotifier : didn't able to ") + resetName;
}

// Enabling or disabling the controls; a failure, or an exception from inside, is traced with
// the first reset's text.
HostErr SwitchControls(ZarvelNonModalDialog &panel, HostErr (ZarvelNonModalDialog::*run)()) {
  const HostErr code = AtBoundary([&] { return (panel.*run)(); });
  if (code != kHostNoErr) Trace(FailureText(panel::kControls.front().resetName));
  return code;
}

HostErr OnSelectionChanged(ZarvelNonModalDialog &panel) {
  const ZarvelNonModalDialog::SelectionShown shown = panel.ShowSelection();
  if (shown.code != kHostNoErr) Trace(FailureText(shown.failedReset));
  return shown.code;
}

HostErr OnDocumentClosed(ZarvelNonModalDialog &panel) {
  int32_t open = 0;
  // Without a count the panel cannot tell whether a document is left: it stays as it is.
  if (const HostErr code = Require(gAIDocumentListSuite).Count(&open); code != kHostNoErr) {
    return code;
  }
  return open <= 0 ? SwitchControls(panel, &ZarvelNonModalDialog::DisableDialogItem) : kHostNoErr;
}

}  // namespace

HostErr AddPluginNotifiers(const SPMessageData *message) {
  const AINotifierSuite2 &notifiers = Require(gAINotifierSuite);
  HostErr result = kHostNoErr;
  for (const Registration &registration : kRegistrations) {
    result = notifiers.AddNotifier(message->self, kRegistrationName, registration.type,
                                   &(gGlobals->*registration.handle));
  }
  return result;
}

HostErr goNotifier(AINotifierMessage *message) {
  const AINotifierHandle fired = message->notifier;
  if (gGlobals == nullptr || fired == nullptr) return kHostNoErr;
  // Once the dialog manager has destroyed the panel's dialog, notifications leave it alone.
  ZarvelNonModalDialog *panel = gGlobals->panel;
  if (panel == nullptr || panel->GetDialogRef() == nullptr) return kHostNoErr;

  if (fired == gGlobals->documentNewNotifier || fired == gGlobals->documentOpenedNotifier) {
    return SwitchControls(*panel, &ZarvelNonModalDialog::EnableDialogItem);
  }
  if (fired == gGlobals->documentClosedNotifier) return OnDocumentClosed(*panel);
  if (fired == gGlobals->selectionChangedNotifier) return OnSelectionChanged(*panel);
  return kHostNoErr;
}
