// The module's entry point: every host message arrives here and is sent to its handler by
// the dispatch tables below.
#include <span>
#include <type_traits>

#include "PluginExport.h"
#include "PluginMessages.h"
#include "base/Boundary.h"
#include "base/HostSuites.h"
#include "plugin/ErrorReport.h"
#include "plugin/MenusAndNotifiers.h"
#include "plugin/PluginGlobals.h"
#include "plugin/PluginLifecycle.h"

namespace {

// How a handler's result goes back to the host.
enum class Report {
  kNever,     // unchanged, never shown
  kFiltered,  // shown in the error dialog unless it is 0, 1 or 'S!Fd'; returned unchanged
};

using Handler = HostErr (*)(const char *caller, const char *selector, void *message);

// One row of a dispatch table. A null caller or selector matches any; a null handler
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
HostErr ForMessage(const char *, const char *, void *message) {
  using Message = std::remove_pointer_t<decltype(MessageOf(handler))>;
  return handler(static_cast<Message *>(message));
}

HostErr HandlePluginCaller(const char *caller, const char *selector, void *message);

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
    {nullptr, nullptr, HandlePluginCaller, Report::kFiltered, true},
};

// The callers that are not the plug-in interface's own; results are reported by the row
// of kDispatchTable that sent them here.
constexpr DispatchRow kPluginCallerTable[] = {
    {kCallerAIMenu, kSelectorAIGoMenuItem, ForMessage<goMenuItem>, Report::kFiltered, true},
    {kCallerAIMenu, kSelectorAIUpdateMenuItem, ForMessage<updateMenuItem>, Report::kFiltered, true},
    {kCallerAIMenu, nullptr, nullptr, Report::kFiltered, true},
    {kCallerAINotifier, kSelectorAINotify, ForMessage<goNotifier>, Report::kFiltered, true},
    {nullptr, nullptr, nullptr, Report::kFiltered, true},
};

bool Matches(const char *pattern, const char *text) {
  return pattern == nullptr || gBasicSuite->IsEqual(pattern, text);
}

// Every table ends with a row that matches anything.
const DispatchRow &Lookup(std::span<const DispatchRow> table, const char *caller,
                          const char *selector) {
  for (const DispatchRow &row : table) {
    if (Matches(row.caller, caller) && Matches(row.selector, selector)) return row;
  }
  return table.back();
}

HostErr Run(const DispatchRow &row, const char *caller, const char *selector, void *message) {
  return row.handler == nullptr ? kHostNoErr : row.handler(caller, selector, message);
}

HostErr HandlePluginCaller(const char *caller, const char *selector, void *message) {
  return Run(Lookup(kPluginCallerTable, caller, selector), caller, selector, message);
}

bool IsQuietResult(HostErr result) {
  return result == kHostNoErr || result == 1 || result == kHostSuiteNotFoundErr;
}

}  // namespace

extern "C" ZV_PLUGIN_EXPORT HostErr ZV_API PluginMain(const char *caller, const char *selector,
                                                      void *message) {
  auto *head = static_cast<SPMessageData *>(message);
  if (caller == nullptr || selector == nullptr || head == nullptr || head->basic == nullptr) {
    return kHostBadParameterErr;
  }
  gBasicSuite = head->basic;
  try {
    const DispatchRow &row = Lookup(kDispatchTable, caller, selector);
    HostErr result = row.needsSuites ? AcquireHostSuitesAfterReload() : kHostNoErr;
    if (result == kHostNoErr) {
      result = CodeOf([&] { return Run(row, caller, selector, message); });
    }
    if (row.report == Report::kFiltered && !IsQuietResult(result)) ReportError(head, result);
    return result;
  } catch (...) {
    return CodeOfCurrentException();
  }
}
