// Setting the panel's controls from the selected text, and enabling them together. A panel
// whose dialog is gone has nothing to set: every operation then returns 0 at once.
#include <vector>

#include "base/HostSuites.h"
#include "base/Trace.h"
#include "commands/ComposerCommands.h"
#include "panel/PanelControls.h"
#include "panel/RunAgreement.h"
#include "panel/ZarvelNonModalDialog.h"
#include "text/ATEWrappers.h"
#include "text/OwnedArtSet.h"
#include "text/SelectedFrameSet.h"
#include "text/SelectedRuns.h"
#include "text/SelectionAccess.h"

void ZarvelNonModalDialog::SetRunList(const panel::ListControl &control,
                                      std::span<const panel::ValueEntry> entries,
                                      std::span<const int32_t> values) const {
  switch (panel::AgreementOf(values)) {
    case panel::Agreement::kAbsent:
      SetPopupList(control, panel::kNoRunsEntry);
      break;
    case panel::Agreement::kMixed:
      SetPopupList(control, panel::kMultipleEntry);
      break;
    case panel::Agreement::kUniform:
      SetPopupList(control, panel::EntryForValue(entries, values.back()));
      break;
  }
}

void ZarvelNonModalDialog::SetOffsetField(int32_t itemID, std::span<const float> values) const {
  const bool uniform = panel::AgreementOf(values) == panel::Agreement::kUniform;
  Require(gADMItemSuite).SetFloatValue(Item(itemID), uniform ? values.front() : 0.0f);
}

HostErr ZarvelNonModalDialog::ResetComposerMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::ResetComposerMenuItem : Start");
  AIArtHandle art = nullptr;
  ComposerEngine engine = 0;
  bool everyLine = false;
  // A failing read leaves what it had read so far; the list shows that.
  GetComposerEngin(&art, &engine, &everyLine);
  SetPopupList(panel::kComposerList, panel::ComposerEntryFor(engine, everyLine));
  Trace("ZarvelNonModalDialog::ResetComposerMenuItem : End");
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetCharacterDirectionMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::ResetCharacterDirectionMenuItem : Start");
  const std::vector<DirOverride> values = CollectRunFeature<DirOverride>(
      [](ATE::ICharFeatures &features) { return features.GetDirOverride(); });
  SetRunList(panel::kCharacterDirectionList, panel::kCharacterDirectionEntries, values);
  Trace("ZarvelNonModalDialog::ResetCharacterDirectionMenuItem : End");
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetParagraphDirectionMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  AIArtHandle art = nullptr;
  ATE::IParaFeatures features = GetParaFeature(&art);
  SetPopupList(panel::kParagraphDirectionList,
               panel::EntryForValue(panel::kDirectionEntries, features.GetParagraphDirection()));
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetJustificationMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  AIArtHandle art = nullptr;
  ATE::IParaFeatures features = GetParaFeature(&art);
  SetPopupList(panel::kJustificationList, panel::EntryForValue(panel::kJustificationEntries,
                                                               features.GetJustificationMethod()));
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetDigitsMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::ResetDigitsMenuItem : Start");
  const std::vector<DigitSet> values = CollectRunFeature<DigitSet>(
      [](ATE::ICharFeatures &features) { return features.GetDigitSet(); });
  SetRunList(panel::kDigitsList, panel::kDigitsEntries, values);
  Trace("ZarvelNonModalDialog::ResetDigitsMenuItem : End");
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetDiacriticsPositionMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::ResetDiacriticsPositionMenuItem : Start");
  const std::vector<DiacVPos> values = CollectRunFeature<DiacVPos>(
      [](ATE::ICharFeatures &features) { return features.GetDiacVPos(); });
  SetRunList(panel::kDiacriticsPositionList, panel::kDiacriticsPositionEntries, values);
  Trace("ZarvelNonModalDialog::ResetDiacriticsPositionMenuItem : End");
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetDiacriticsXOffsetMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::ResetDiacriticsXOffsetMenuItem : Start");
  const std::vector<float> values = CollectRunFeature<float>(
      [](ATE::ICharFeatures &features) { return features.GetDiacXOffset(); });
  SetOffsetField(panel::kDiacriticsXOffsetList.itemID, values);
  Trace("ZarvelNonModalDialog::ResetDiacriticsXOffsetMenuItem : End");
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetDiacriticsYOffsetMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::ResetDiacriticsYOffsetMenuItem : Start");
  const std::vector<float> values = CollectRunFeature<float>(
      [](ATE::ICharFeatures &features) { return features.GetDiacYOffset(); });
  SetOffsetField(panel::kDiacriticsYOffsetList.itemID, values);
  Trace("ZarvelNonModalDialog::ResetDiacriticsYOffsetMenuItem : End");
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetStoryDirectionMenuItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ResetStoryDirectionMenuItem: Start");
  OwnedArtSet artSet;
  int32_t count = 0;
  GetCountArtSet(artSet.Address(), &count);
  // Without a selected text frame the list keeps what it showed.
  if (count <= 0) return kHostNoErr;
  AIArtHandle art = nullptr;
  ATE::ITextRange range;
  GetTextRange(&art, range);
  const int32_t direction = range.GetStory().GetFrame(0).GetStoryDirection();
  SetPopupList(panel::kStoryDirectionList,
               panel::EntryForValue(panel::kDirectionEntries, direction));
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::ResetKashidasCheckBox() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::ResetKashidasCheckBox : Start");
  // With no document open the box stays disabled like the other controls: there is no text
  // a click could change. Without a count the box stays as it is.
  int32_t openDocuments = 0;
  if (const HostErr code = Require(gAIDocumentListSuite).Count(&openDocuments);
      code != kHostNoErr) {
    return code;
  }
  const bool live = openDocuments > 0;

  std::vector<Kashidas> values;
  ForEachSelectedRun([&values](ATE::ITextRange &run) {
    ATE::IArrayKashidas kashidas = run.GetCharInspector().GetKashidas();
    for (int32_t index = 0, size = kashidas.GetSize(); index < size; ++index) {
      values.push_back(kashidas.Item(index));
    }
  });

  const ADMItemSuite7 &items = Require(gADMItemSuite);
  ADMItemRef box = Item(panel::kKashidasItem);
  switch (panel::AgreementOf<Kashidas>(values)) {
    case panel::Agreement::kMixed:
      // Runs that disagree leave the box checked and out of reach.
      items.SetBooleanValue(box, true);
      items.Enable(box, false);
      break;
    case panel::Agreement::kAbsent:
      items.SetBooleanValue(box, true);
      items.Enable(box, live);
      break;
    case panel::Agreement::kUniform:
      // A value that the box cannot show leaves its check mark as it was.
      if (auto checked = panel::EntryForValue(panel::kKashidasCheckedEntries, values.front())) {
        items.SetBooleanValue(box, *checked != 0);
      }
      items.Enable(box, live);
      break;
  }
  Trace("ZarvelNonModalDialog::ResetKashidasCheckBox : End");
  return kHostNoErr;
}

void ZarvelNonModalDialog::SetItemsEnabled(bool enable) const {
  const ADMItemSuite7 &items = Require(gADMItemSuite);
  for (int32_t itemID : panel::kSwitchedItems) items.Enable(Item(itemID), enable);
}

HostErr ZarvelNonModalDialog::EnableDialogItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::EnableDialogItem : Start");
  SetItemsEnabled(true);
  Trace("ZarvelNonModalDialog::EnableDialogItem : End");
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::DisableDialogItem() {
  if (dialog == nullptr) return kHostNoErr;
  Trace("ZarvelNonModalDialog::DisableDialogItem : Start");
  SetItemsEnabled(false);
  Trace("ZarvelNonModalDialog::DisableDialogItem : End");
  return kHostNoErr;
}
