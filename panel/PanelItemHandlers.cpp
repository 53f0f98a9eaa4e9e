// The notify procedures of the panel's controls, one per row of the control table: each reads
// its control once the user has changed it and writes the value into the selected text
// through the row's command.
#include <array>
#include <utility>

#include "panel/CallbackGuard.h"
#include "panel/ItemNotification.h"
#include "panel/PanelControlTable.h"
#include "panel/ZarvelNonModalDialog.h"
#include "plugin/HostSuites.h"
#include "plugin/Trace.h"

namespace {

// Traces the start and, on every way out, the end; a failed command is traced and goes no
// further, and nothing thrown reaches the dialog manager.
void RunItemHandler(const panel::PanelControl &control, ADMItemRef item, ADMNotifierRef notifier) {
  panel::Guarded([&] {
    Trace(ZarvelNonModalDialog::MemberTrace(control.procName, "Start"));
    if (!panel::IsUserChange(notifier)) return;
    const HostErr code = control.command(item);
    if (code != kHostNoErr && control.commandFailure != nullptr) Trace(control.commandFailure);
  });
  panel::Guarded([&] { Trace(ZarvelNonModalDialog::MemberTrace(control.procName, "End")); });
}

template <size_t Row>
void ZV_API ControlNotifyProc(ADMItemRef item, ADMNotifierRef notifier) {
  RunItemHandler(panel::kControls[Row], item, notifier);
}

template <size_t... Rows>
constexpr std::array<ADMItemNotifyProc, sizeof...(Rows)> NotifyProcs(std::index_sequence<Rows...>) {
  return {&ControlNotifyProc<Rows>...};
}

constexpr auto kNotifyProcs = NotifyProcs(std::make_index_sequence<panel::kControlCount>());

}  // namespace

ADMItemNotifyProc panel::NotifyProcOf(const PanelControl &control) {
  return kNotifyProcs.at(static_cast<size_t>(&control - kControls.data()));
}

int32_t ZarvelNonModalDialog::GetPopupSelection(ADMItemRef item) {
  Trace("ZarvelNonModalDialog::GetPopupSelection : Start");
  // A list with no chosen entry gives -1, an index that no command acts on.
  int32_t index = -1;
  if (ADMListRef list = Require(gADMItemSuite).GetList(item)) {
    if (ADMEntryRef entry = Require(gADMListSuite).GetActiveEntry(list)) {
      index = Require(gADMEntrySuite).GetIndex(entry);
    }
  }
  Trace("ZarvelNonModalDialog::GetPopupSelection : End");
  return index;
}
