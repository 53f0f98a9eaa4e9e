#include "host/loader/PluginConnection.h"

#include "host/core/BasicSuite.h"
#include "host/core/HostExit.h"
#include "host/core/HostServices.h"

namespace zvhost {

namespace {
// What the host returns for a message whose handler let an exception escape.
constexpr HostErr kEscapedExceptionErr = ZV_FOUR_CHAR('X', 'C', 'P', 'T');
}  // namespace

PluginConnection::PluginConnection(std::unique_ptr<LoadedModule> module)
    : record_(std::make_unique<Record>(Record{module->Path()})),
      module_(std::move(module)),
      reopen_(module_->Reopener()),
      image_(module_->Image()) {}

PluginConnection::~PluginConnection() = default;

PluginConnection *PluginConnection::Of(HostPluginRef plugin) {
  PluginConnection *connection = Current();
  return connection != nullptr && connection->IsOurs(plugin) ? connection : nullptr;
}

HostPluginRef PluginConnection::Ref() const {
  return reinterpret_cast<HostPluginRef>(record_.get());
}

const ResourceSource &PluginConnection::Resources() const {
  return module_->Resources();
}

SPMessageData PluginConnection::Head() const {
  return SPMessageData{Ref(), globals_, BasicSuite::The().Table()};
}

HostErr PluginConnection::Deliver(const char *caller, const char *selector, SPMessageData &head,
                                  const char *notifier) {
  // While the module is out of memory the host calls nothing of it.
  if (!Loaded()) return kHostNoErr;
  HostErr result;
  try {
    result = module_->EntryPoint()(caller, selector, &head);
  } catch (...) {
    HostServices::The().findings.Report(std::string("PluginMain ") + caller + "/" + selector,
                                        "an exception left the module's entry point");
    result = kEscapedExceptionErr;
  }
  globals_ = head.globals;
  Json message = {{"kind", "message"}, {"caller", caller}, {"selector", selector}};
  if (notifier != nullptr) message["notifier"] = notifier;
  message["result"] = result;
  HostServices::The().output.Emit(message);
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
  return Deliver(kCallerAINotifier, kSelectorAINotify, message.d, type);
}

ModulePlace PluginConnection::PlaceOf(uintptr_t address) const {
  if (address == 0) return {};
  if (Loaded() && image_.Contains(address)) return {address - image_.start, true};
  return {address, false};
}

uintptr_t PluginConnection::AddressOf(const ModulePlace &place) const {
  if (!place.inImage) return place.value;
  return Loaded() ? image_.start + place.value : 0;
}

void PluginConnection::Unload(bool holdPlace) {
  Send(kSPAccessCaller, kSPAccessUnloadSelector);
  module_.reset();
  if (holdPlace) hold_ = HoldAddresses(image_);
}

void PluginConnection::Reload() {
  const ModuleImage before = image_;
  try {
    module_ = reopen_();
  } catch (const ModuleError &error) {
    hold_.reset();
    throw HostExit{kExitModule, error.what()};
  }
  // The old addresses are free again once the module has a place of its own.
  hold_.reset();
  image_ = module_->Image();
  moved_ = image_.start != before.start;
  Send(kSPAccessCaller, kSPAccessReloadSelector);
}

}  // namespace zvhost
