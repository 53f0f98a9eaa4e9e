// The floating panel "Zarvel": its controls, their handlers, the panel menu and the
// synchronisation of the controls with the selection.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "ADMTypes.h"
#include "HostTypes.h"
#include "panel/BaseADMDialog.h"

namespace panel {
struct PanelControl;
struct ComposerReading;
struct RunListReading;
struct ParagraphListReading;
struct OffsetReading;
struct StoryDirectionReading;
struct KashidasReading;
}  // namespace panel

class ZarvelNonModalDialog : public BaseADMDialog {
 public:
  // Creates the floating dialog "Zarvel" from dialog resource 102; Init runs before this
  // returns. A dialog that cannot be made leaves the object with no dialog.
  explicit ZarvelNonModalDialog(HostPluginRef plugin);
  ~ZarvelNonModalDialog() override;

  HostErr Init() override;

  // Before the module is unloaded: the object ends, leaving its dialog and its storage as
  // they are (the dialog's user data still names the storage), and makes no host call.
  // Returns the dialog, or null when it had none.
  static ADMDialogRef Suspend(ZarvelNonModalDialog *panel);
  // After the module is loaded again, wherever it was placed: a new object in the storage of
  // the suspended one takes its dialog back. Makes no host call.
  static ZarvelNonModalDialog *Resume(void *storage, ADMDialogRef dialog);

  // The outcome of setting the controls from the selected text: 0, or the code of the first
  // reset that failed and that reset's name.
  struct SelectionShown {
    HostErr code = kHostNoErr;
    const char *failedReset = nullptr;
  };
  // On a selection change: sets every control again from the selected text, in the order of
  // the control table, stopping at the first reset that fails (an exception counts as its
  // failure). The Kashidas reset also keeps the box disabled while no document is open; it
  // fails with the host's code when the open documents cannot be counted.
  SelectionShown ShowSelection();

  // Enable or disable items 5 to 14 together; each returns 0.
  HostErr EnableDialogItem();
  HostErr DisableDialogItem();

  // The trace line of a member's start or end: "ZarvelNonModalDialog::<member> : <what>".
  static std::string MemberTrace(const char *member, const char *what);

 private:
  struct Resumed {};
  // An object bound to a dialog that exists already.
  ZarvelNonModalDialog(Resumed, ADMDialogRef bound);

  // The panel's item with that id; a missing item is a fault of the dialog resource.
  ADMItemRef Item(int32_t itemID) const;
  // Refills a list control from its menu resource, then chooses `entry` when there is one.
  void SetPopupList(const panel::PanelControl &control, std::optional<int32_t> entry) const;
  // Shows the values read from the selected runs: the entry of a uniform value, "Multiple"
  // when they differ, the first value's entry when there are none.
  void SetRunList(const panel::PanelControl &control, std::span<const int32_t> values) const;

  // The resets, one per way a control is read (see panel/PanelControlTable.h); each returns
  // 0 unless said otherwise above.
  HostErr Reset(const panel::PanelControl &control, panel::ComposerReading reading);
  HostErr Reset(const panel::PanelControl &control, panel::RunListReading reading);
  HostErr Reset(const panel::PanelControl &control, panel::ParagraphListReading reading);
  HostErr Reset(const panel::PanelControl &control, panel::OffsetReading reading);
  HostErr Reset(const panel::PanelControl &control, panel::StoryDirectionReading reading);
  HostErr Reset(const panel::PanelControl &control, panel::KashidasReading reading);
  void SetItemsEnabled(bool enable) const;

  static void ZV_API DlgDestroyProc(ADMDialogRef dialog) noexcept;

  static void ZV_API dialogPopupMenuProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static HostBool ZV_API dialogPopupMenuTrackProc(ADMItemRef item, ADMTrackerRef tracker) noexcept;
};
