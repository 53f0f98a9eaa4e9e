// The notify procedures of the panel's controls, one per row of the control table: each reads
// its control once the user has changed it and writes the value into the selected text
// through the row's command.
#include <array>
#include <utility>

#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "panel/ItemNotification.h"
#include "panel/PanelControlTable.h"
#include "panel/ZarvelNonModalDialog.h"

namespace {

// Traces the start and, on every way out, the end; a failed command is traced and goes no
// further, and nothing thrown reaches the dialog manager.
void RunItemHandler(const panel::PanelControl &control, ADMItemRef item, ADMNotifierRef notifier) {
  AtBoundary<CalledWhen::kAnyTime>([&] {
    Trace(ZarvelNonModalDialog::MemberTrace(control.procName, "Start"));
    if (!panel::IsUserChange(notifier)) return;
    const HostErr code = control.command(item);
    if (code != kHostNoErr && control.commandFailure != nullptr) Trace(control.commandFailure);
  });
  AtBoundary<CalledWhen::kAnyTime>(
      [&] { Trace(ZarvelNonModalDialog::MemberTrace(control.procName, "End")); });
}

template <size_t Row>
void ZV_API ControlNotifyProc(ADMItemRef item, ADMNotifierRef notifier) noexcept {
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
