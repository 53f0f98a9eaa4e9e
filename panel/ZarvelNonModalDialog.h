// The floating panel "Zarvel": its controls, their handlers, the panel menu and the
// synchronisation of the controls with the selection.
#pragma once

#include "ADMTypes.h"
#include "HostTypes.h"
#include "panel/BaseADMDialog.h"

class ZarvelNonModalDialog : public BaseADMDialog {
 public:
  // Creates the floating dialog "Zarvel" from dialog resource 102; Init runs before this
  // returns. A dialog that cannot be made leaves the object with no dialog.
  explicit ZarvelNonModalDialog(HostPluginRef plugin);
  ~ZarvelNonModalDialog() override;

  HostErr Init() override;

  // Set each control again from the selected text; each returns 0.
  HostErr ResetComposerMenuItem();
  HostErr ResetCharacterDirectionMenuItem();
  HostErr ResetParagraphDirectionMenuItem();
  HostErr ResetJustificationMenuItem();
  HostErr ResetDigitsMenuItem();
  HostErr ResetDiacriticsPositionMenuItem();
  HostErr ResetDiacriticsXOffsetMenuItem();
  HostErr ResetDiacriticsYOffsetMenuItem();
  HostErr ResetStoryDirectionMenuItem();
  HostErr ResetKashidasCheckBox();

  // Enable or disable items 5 to 14 together; each returns 0.
  HostErr EnableDialogItem();
  HostErr DisableDialogItem();

  // The index of the entry that a popup item's list shows as chosen.
  static int32_t GetPopupSelection(ADMItemRef item);

 private:
  static void ZV_API DlgDestroyProc(ADMDialogRef dialog);

  static void ZV_API PopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API CharacterDirectionPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API ParagraphDirectionPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API JustificationPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API DigitsPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API DiacriticsPositionPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API DiacriticsXOffsetPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API DiacriticsYOffsetPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API StoryDirectionPopupProc(ADMItemRef item, ADMNotifierRef notifier);
  static void ZV_API KashidasCheckBoxProc(ADMItemRef item, ADMNotifierRef notifier);

  static void ZV_API dialogPopupMenuProc(ADMItemRef item, ADMNotifierRef notifier);
  static HostBool ZV_API dialogPopupMenuTrackProc(ADMItemRef item, ADMTrackerRef tracker);
};
