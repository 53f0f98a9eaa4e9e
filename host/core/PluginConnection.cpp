#include "host/core/PluginConnection.h"

#include "host/core/BasicSuite.h"
#include "host/core/Host.h"

namespace zvhost {

namespace {
// What the host returns for a message whose handler let an exception escape.
constexpr HostErr kEscapedExceptionErr = ZV_FOUR_CHAR('X', 'C', 'P', 'T');
}  // namespace

PluginConnection::PluginConnection(std::unique_ptr<LoadedModule> module)
    : record_(std::make_unique<Record>(Record{module->Path()})),
      module_(std::move(module)),
      reopen_(module_->Reopener()),
      lastEntry_(module_->EntryPoint()) {}

PluginConnection::~PluginConnection() = default;

HostPluginRef PluginConnection::Ref() const {
  return reinterpret_cast<HostPluginRef>(record_.get());
}

const ResourceSource &PluginConnection::Resources() const {
  return module_->Resources();
}

SPMessageData PluginConnection::Head() const {
  return SPMessageData{Ref(), globals_, TheHost().basic->Table()};
}

HostErr PluginConnection::Deliver(const char *caller, const char *selector, SPMessageData &head) {
  // While the module is out of memory the host calls nothing of it.
  if (!Loaded()) return kHostNoErr;
  HostErr result;
  try {
    result = module_->EntryPoint()(caller, selector, &head);
  } catch (...) {
    TheHost().findings.Report(std::string("PluginMain ") + caller + "/" + selector,
                              "an exception left the module's entry point");
    result = kEscapedExceptionErr;
  }
  globals_ = head.globals;
  TheHost().output.Emit(
      {{"kind", "message"}, {"caller", caller}, {"selector", selector}, {"result", result}});
  return result;
}

HostErr PluginConnection::Send(const char *caller, const char *selector) {
  SPMessageData head = Head();
  return Deliver(caller, selector, head);
}

HostErr PluginConnection::SendMenu(const char *selector, AIMenuItemHandle item) {
  AIMenuMessage message{Head(), item};
  return Deliver(kCallerAIMenu, selector, message.d);
}

HostErr PluginConnection::SendNotify(AINotifierHandle notifier, const char *type) {
  AINotifierMessage message{Head(), notifier, type, nullptr};
  return Deliver(kCallerAINotifier, kSelectorAINotify, message.d);
}

void PluginConnection::Unload() {
  Send(kSPAccessCaller, kSPAccessUnloadSelector);
  module_.reset();
}

void PluginConnection::Reload() {
  try {
    module_ = reopen_();
  } catch (const ModuleError &error) {
    throw HostExit{kExitModule, error.what()};
  }
  if (module_->EntryPoint() != lastEntry_) {
    module_.reset();
    throw HostExit{kExitModule,
                   "the module came back at another address: the procedures it registered "
                   "(dialog and item callbacks) no longer exist, so the host cannot go on"};
  }
  Send(kSPAccessCaller, kSPAccessReloadSelector);
}

}  // namespace zvhost
