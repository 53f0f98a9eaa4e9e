// The module's entry point: every host message arrives here and is sent to its handler by
// the dispatch table below.
#include <span>
#include <type_traits>

#include "PluginExport.h"
#include "PluginMessages.h"
#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "plugin/ErrorReport.h"
#include "plugin/MenusAndNotifiers.h"
#include "plugin/PluginLifecycle.h"

namespace {

// How a handler's result goes back to the host.
enum class Report {
  kNever,     // unchanged, never shown
  kFiltered,  // shown in the error dialog unless it is 0, 1 or 'S!Fd'; returned unchanged
};

using Handler = HostErr (*)(void *message);

// One row of the dispatch table. A null caller or selector matches any; a null handler
// answers 0. The first row whose caller and selector both match decides.
struct DispatchRow {
  const char *caller;
  const char *selector;
  Handler handler;
  Report report;
  // The handler calls through the suites table, which a reloaded module acquires first.
  bool needsSuites;
};

template <class Message>
Message *MessageOf(HostErr (*)(Message *));

// Calls a handler that takes the message record of its own kind.
template <auto handler>
HostErr ForMessage(void *message) {
  using Message = std::remove_pointer_t<decltype(MessageOf(handler))>;
  return handler(static_cast<Message *>(message));
}

constexpr DispatchRow kDispatchTable[] = {
    {kSPAccessCaller, kSPAccessUnloadSelector, ForMessage<UnloadPlugin>, Report::kNever, false},
    {kSPAccessCaller, kSPAccessReloadSelector, ForMessage<ReloadPlugin>, Report::kNever, false},
    {kSPAccessCaller, nullptr, nullptr, Report::kNever, false},
    {kSPInterfaceCaller, kSPInterfaceStartupSelector, ForMessage<StartupPlugin>, Report::kFiltered,
     false},
    {kSPInterfaceCaller, kSPInterfaceAboutSelector, ForMessage<AboutPlugin>, Report::kFiltered,
     true},
    {kSPInterfaceCaller, kSPInterfaceShutdownSelector, ForMessage<ShutdownPlugin>,
     Report::kFiltered, true},
    {kSPInterfaceCaller, nullptr, nullptr, Report::kNever, false},
    {kCallerAIMenu, kSelectorAIGoMenuItem, ForMessage<goMenuItem>, Report::kFiltered, true},
    {kCallerAIMenu, kSelectorAIUpdateMenuItem, ForMessage<updateMenuItem>, Report::kFiltered, true},
    {kCallerAINotifier, kSelectorAINotify, ForMessage<goNotifier>, Report::kFiltered, true},
    // Every other message: the suites are acquired again after a reload, nothing else is done.
    {nullptr, nullptr, nullptr, Report::kFiltered, true},
};

bool Matches(const char *pattern, const char *text) {
  return pattern == nullptr || gBasicSuite->IsEqual(pattern, text);
}

// The table ends with a row that matches anything.
const DispatchRow &Lookup(const char *caller, const char *selector) {
  for (const DispatchRow &row : kDispatchTable) {
    if (Matches(row.caller, caller) && Matches(row.selector, selector)) return row;
  }
  return std::span(kDispatchTable).back();
}

bool IsQuietResult(HostErr result) {
  return result == kHostNoErr || result == 1 || result == kHostSuiteNotFoundErr;
}

}  // namespace

extern "C" ZV_PLUGIN_EXPORT HostErr ZV_API PluginMain(const char *caller, const char *selector,
                                                      void *message) noexcept {
  auto *head = static_cast<SPMessageData *>(message);
  if (caller == nullptr || selector == nullptr || head == nullptr || head->basic == nullptr) {
    return kHostBadParameterErr;
  }
  gBasicSuite = head->basic;
  return AtBoundary([&] {
    const DispatchRow &row = Lookup(caller, selector);
    HostErr result = row.needsSuites ? AcquireHostSuitesAfterReload() : kHostNoErr;
    // A handler's exception is its result, reported like any other.
    if (result == kHostNoErr && row.handler != nullptr) {
      result = AtBoundary([&] { return row.handler(message); });
    }
    if (row.report == Report::kFiltered && !IsQuietResult(result)) ReportError(head, result);
    return result;
  });
}
