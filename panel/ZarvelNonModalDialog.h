// The floating panel "Zarvel": its controls, their handlers, the panel menu and the
// synchronisation of the controls with the selection.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ADMTypes.h"
#include "HostTypes.h"
#include "panel/BaseADMDialog.h"

namespace panel {
struct ListControl;
struct ValueEntry;
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

  // Set each control again from the selected text; each returns 0 unless said otherwise.
  HostErr ResetComposerMenuItem();
  HostErr ResetCharacterDirectionMenuItem();
  HostErr ResetParagraphDirectionMenuItem();
  HostErr ResetJustificationMenuItem();
  HostErr ResetDigitsMenuItem();
  HostErr ResetDiacriticsPositionMenuItem();
  HostErr ResetDiacriticsXOffsetMenuItem();
  HostErr ResetDiacriticsYOffsetMenuItem();
  HostErr ResetStoryDirectionMenuItem();
  // Also keeps the box disabled while no document is open; returns the host's code when the
  // open documents cannot be counted.
  HostErr ResetKashidasCheckBox();

  // Enable or disable items 5 to 14 together; each returns 0.
  HostErr EnableDialogItem();
  HostErr DisableDialogItem();

  // The index of the entry that a popup item's list shows as chosen.
  static int32_t GetPopupSelection(ADMItemRef item);

 private:
  struct Resumed {};
  // An object bound to a dialog that exists already.
  ZarvelNonModalDialog(Resumed, ADMDialogRef bound);

  // The panel's item with that id; a missing item is a fault of the dialog resource.
  ADMItemRef Item(int32_t itemID) const;
  // Refills a list control from its menu resource, then chooses `entry` when there is one.
  void SetPopupList(const panel::ListControl &control, std::optional<int32_t> entry) const;
  // Shows the values read from the selected runs: the entry of a uniform value, "Multiple"
  // when they differ, the first value's entry when there are none.
  void SetRunList(const panel::ListControl &control, std::span<const panel::ValueEntry> entries,
                  std::span<const int32_t> values) const;
  // Writes a uniform offset into the field, 0 when the runs differ or there are none.
  void SetOffsetField(int32_t itemID, std::span<const float> values) const;
  void SetItemsEnabled(bool enable) const;

  static void ZV_API DlgDestroyProc(ADMDialogRef dialog) noexcept;

  static void ZV_API PopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API CharacterDirectionPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API ParagraphDirectionPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API JustificationPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API DigitsPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API DiacriticsPositionPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API DiacriticsXOffsetPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API DiacriticsYOffsetPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API StoryDirectionPopupProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static void ZV_API KashidasCheckBoxProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;

  static void ZV_API dialogPopupMenuProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;
  static HostBool ZV_API dialogPopupMenuTrackProc(ADMItemRef item, ADMTrackerRef tracker) noexcept;
};
