// Setting the panel's controls from the selected text, and enabling them together. A panel
// whose dialog is gone has nothing to set: every operation then returns 0 at once.
#include <string>
#include <variant>
#include <vector>

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "commands/ComposerCommands.h"
#include "commands/ListValues.h"
#include "panel/PanelControlTable.h"
#include "panel/RunAgreement.h"
#include "panel/ZarvelNonModalDialog.h"
#include "text/ATEWrappers.h"
#include "text/OwnedArtSet.h"
#include "text/SelectedFrameSet.h"
#include "text/SelectedRuns.h"
#include "text/SelectionAccess.h"

namespace {

// The trace line of a reset's start or end.
std::string ResetTrace(const panel::PanelControl &control, const char *what) {
  return ZarvelNonModalDialog::MemberTrace(control.resetName, what);
}

// Reads one value per selected run with `read`, between the reset's start and end lines.
template <class Value>
std::vector<Value> TracedRunValues(const panel::PanelControl &control,
                                   Value (*read)(const ATE::ICharFeatures &)) {
  Trace(ResetTrace(control, "Start"));
  return CollectRunFeature<Value>([read](ATE::ICharFeatures &features) { return read(features); });
}

}  // namespace

ZarvelNonModalDialog::SelectionShown ZarvelNonModalDialog::ShowSelection() {
  for (const panel::PanelControl &control : panel::kControls) {
    if (dialog == nullptr) break;
    const HostErr code = AtBoundary([&] {
      return std::visit([&](auto reading) { return Reset(control, reading); }, control.reading);
    });
    if (code != kHostNoErr) return {code, control.resetName};
  }
  return {};
}

void ZarvelNonModalDialog::SetRunList(const panel::PanelControl &control,
                                      std::span<const int32_t> values) const {
  switch (panel::AgreementOf(values)) {
    case panel::Agreement::kAbsent:
      SetPopupList(control, panel::kNoRunsEntry);
      break;
    case panel::Agreement::kMixed:
      SetPopupList(control, panel::kMultipleEntry);
      break;
    case panel::Agreement::kUniform:
      SetPopupList(control, control.values->EntryOf(values.back()));
      break;
  }
}

HostErr ZarvelNonModalDialog::Reset(const panel::PanelControl &control, panel::ComposerReading) {
  Trace(ResetTrace(control, "Start"));
  AIArtHandle art = nullptr;
  ComposerEngine engine = 0;
  bool everyLine = false;
  // A failing read leaves what it had read so far; the list shows that.
  GetComposerEngin(&art, &engine, &everyLine);
  SetPopupList(control, panel::ComposerEntryFor(engine, everyLine));
  Trace(ResetTrace(control, "End"));
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::Reset(const panel::PanelControl &control,
                                    panel::RunListReading reading) {
  const std::vector<int32_t> values = TracedRunValues(control, reading.read);
  SetRunList(control, values);
  Trace(ResetTrace(control, "End"));
  return kHostNoErr;
}

// The paragraph lists trace nothing of their own.
HostErr ZarvelNonModalDialog::Reset(const panel::PanelControl &control,
                                    panel::ParagraphListReading reading) {
  AIArtHandle art = nullptr;
  const ATE::IParaFeatures features = GetParaFeature(&art);
  SetPopupList(control, control.values->EntryOf(reading.read(features)));
  return kHostNoErr;
}

// Writes a uniform offset into the field, 0 when the runs differ or there are none.
HostErr ZarvelNonModalDialog::Reset(const panel::PanelControl &control,
                                    panel::OffsetReading reading) {
  const std::vector<float> values = TracedRunValues(control, reading.read);
  const bool uniform = panel::AgreementOf<float>(values) == panel::Agreement::kUniform;
  Require(gADMItemSuite).SetFloatValue(Item(control.itemID), uniform ? values.front() : 0.0f);
  Trace(ResetTrace(control, "End"));
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::Reset(const panel::PanelControl &control,
                                    panel::StoryDirectionReading) {
  Trace(std::string(control.resetName) + ": Start");
  OwnedArtSet artSet;
  int32_t count = 0;
  GetCountArtSet(artSet.Address(), &count);
  // Without a selected text frame the list keeps what it showed.
  if (count <= 0) return kHostNoErr;
  AIArtHandle art = nullptr;
  ATE::ITextRange range;
  GetTextRange(&art, range);
  const int32_t direction = range.GetStory().GetFrame(0).GetStoryDirection();
  SetPopupList(control, control.values->EntryOf(direction));
  return kHostNoErr;
}

HostErr ZarvelNonModalDialog::Reset(const panel::PanelControl &control, panel::KashidasReading) {
  Trace(ResetTrace(control, "Start"));
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
  ADMItemRef box = Item(control.itemID);
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
      if (auto checked = control.values->EntryOf(values.front())) {
        items.SetBooleanValue(box, *checked != 0);
      }
      items.Enable(box, live);
      break;
  }
  Trace(ResetTrace(control, "End"));
  return kHostNoErr;
}

void ZarvelNonModalDialog::SetItemsEnabled(bool enable) const {
  const ADMItemSuite7 &items = Require(gADMItemSuite);
  for (const panel::PanelControl &control : panel::kControls) {
    items.Enable(Item(control.itemID), enable);
  }
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
