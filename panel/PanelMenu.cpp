// The panel's flyout menu: re-apply the second composer engine, or open the About box.
#include <algorithm>

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "commands/ComposerCommands.h"
#include "panel/AboutBox.h"
#include "panel/ItemNotification.h"
#include "panel/PopupSelection.h"
#include "panel/ZarvelNonModalDialog.h"

namespace {

// Switches the selected text to the second engine, keeping its every-line mode.
void ApplySecondComposer(ADMItemRef) {
  AIArtHandle art = nullptr;  // the art the command reached; the panel has no use for it
  bool everyLine = false;
  if (IsSingleLineComposer(&art, &everyLine) != kHostNoErr) {
    Trace("ZarvelNonModalDialog::dialogPopupMenuProc: Didn't get SingleLineComposer");
    return;
  }
  if (ApplyZarvelComposer(&art, true, everyLine) != kHostNoErr) {
    Trace("ZarvelNonModalDialog::dialogPopupMenuProc: Didn't set the zarvel composer");
  }
}

// The About box belongs to the plug-in that owns the panel menu.
void OpenAboutBox(ADMItemRef item) {
  RunAboutBox(Require(gADMItemSuite).GetPluginRef(item));
}

// Entries of menu 16050 and what picking each does; the separator does nothing.
struct PanelMenuEntry {
  int32_t index;
  void (*run)(ADMItemRef item);
};
constexpr PanelMenuEntry kPanelMenuEntries[] = {{0, ApplySecondComposer}, {2, OpenAboutBox}};

}  // namespace

void ZV_API ZarvelNonModalDialog::dialogPopupMenuProc(ADMItemRef item,
                                                      ADMNotifierRef notifier) noexcept {
  AtBoundary<CalledWhen::kAnyTime>([item, notifier] {
    Trace("ZarvelNonModalDialog::dialogPopupMenuProc : Start");
    if (!panel::IsUserChange(notifier)) return;
    const int32_t index = panel::PopupSelection(item);
    auto entry = std::ranges::find(kPanelMenuEntries, index, &PanelMenuEntry::index);
    if (entry != std::end(kPanelMenuEntries)) entry->run(item);
  });
  AtBoundary<CalledWhen::kAnyTime>(
      [] { Trace("ZarvelNonModalDialog::dialogPopupMenuProc : End"); });
}

HostBool ZV_API ZarvelNonModalDialog::dialogPopupMenuTrackProc(ADMItemRef item,
                                                               ADMTrackerRef tracker) noexcept {
  HostBool handled = false;
  AtBoundary<CalledWhen::kAnyTime>([item, tracker, &handled] {
    Trace("ZarvelNonModalDialog::dialogPopupMenuTrackProc : Start");
    handled = Require(gADMItemSuite).DefaultTrack(item, tracker);
  });
  return handled;
}
