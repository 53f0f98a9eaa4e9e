#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
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

// A panel operation, with the trace text that names it when it fails.
struct PanelOperation {
  HostErr (ZarvelNonModalDialog::*run)();
  const char *failure;
};

// What a selection change runs, in this order, stopping at the first failure.
inline constexpr PanelOperation kSelectionResets[] = {
    {&ZarvelNonModalDialog::ResetComposerMenuItem,
     "goNotifier : didn't able to ResetComposerMenuItem"},
    {&ZarvelNonModalDialog::ResetCharacterDirectionMenuItem,
     "goNotifier : didn't able to ResetCharacterDirectionMenuItem"},
    {&ZarvelNonModalDialog::ResetParagraphDirectionMenuItem,
     "goNotifier : didn't able to ResetParagraphDirectionMenuItem"},
    {&ZarvelNonModalDialog::ResetJustificationMenuItem,
     "goNotifier : didn't able to ResetJustificationMenuItem"},
    {&ZarvelNonModalDialog::ResetDigitsMenuItem, "goNotifier : didn't able to ResetDigitsMenuItem"},
    {&ZarvelNonModalDialog::ResetDiacriticsPositionMenuItem,
     "goNotifier : didn't able to ResetDiacriticsPositionMenuItem"},
    {&ZarvelNonModalDialog::ResetDiacriticsXOffsetMenuItem,
     "goNotifier : didn't able to ResetDiacriticsXOffsetMenuItem"},
    {&ZarvelNonModalDialog::ResetDiacriticsYOffsetMenuItem,
     "goNotifier : didn't able to ResetDiacriticsYOffsetMenuItem"},
    {&ZarvelNonModalDialog::ResetStoryDirectionMenuItem,
     "goNotifier : didn't able to ResetStoryDirectionMenuItem"},
    {&ZarvelNonModalDialog::ResetKashidasCheckBox,
     "goNotifier : didn't able to ResetKashidasCheckBox"},
};

// Enabling and disabling the controls are traced with the first reset's text.
inline constexpr PanelOperation kEnableControls{&ZarvelNonModalDialog::EnableDialogItem,
                                                kSelectionResets[0].failure};
inline constexpr PanelOperation kDisableControls{&ZarvelNonModalDialog::DisableDialogItem,
                                                 kSelectionResets[0].failure};

// Runs one panel operation; an exception from inside it counts as its failure, so that
// the operations after it are skipped and the failure is traced like any other.
HostErr Run(ZarvelNonModalDialog &panel, const PanelOperation &operation) {
  const HostErr code = AtBoundary([&] { return (panel.*operation.run)(); });
  if (code != kHostNoErr) Trace(operation.failure);
  return code;
}

HostErr RunSelectionResets(ZarvelNonModalDialog &panel) {
  for (const PanelOperation &reset : kSelectionResets) {
    if (const HostErr code = Run(panel, reset); code != kHostNoErr) return code;
  }
  return kHostNoErr;
}

HostErr OnDocumentClosed(ZarvelNonModalDialog &panel) {
  int32_t open = 0;
  // Without a count the panel cannot tell whether a document is left: it stays as it is.
  if (const HostErr code = Require(gAIDocumentListSuite).Count(&open); code != kHostNoErr) {
    return code;
  }
  return open <= 0 ? Run(panel, kDisableControls) : kHostNoErr;
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
    return Run(*panel, kEnableControls);
  }
  if (fired == gGlobals->documentClosedNotifier) return OnDocumentClosed(*panel);
  if (fired == gGlobals->selectionChangedNotifier) return RunSelectionResets(*panel);
  return kHostNoErr;
}
