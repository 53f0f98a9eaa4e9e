// A module with a planted fault, for the validator's tests: it passes every message on to the
// real module (ZARVEL_MODULE_FILE) and misbehaves as ZARVEL_PLANTED_FAULT says:
//   leak    allocates a host block at start-up and never frees it
//   throw   lets an exception out of its entry point at start-up
//   crash   crashes when the real module answers a message with an error (a failed call)
//   hang    never answers start-up
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "PluginExport.h"
#include "PluginMessages.h"
#include "SPBasicSuite.h"

namespace {

PluginMainProc RealEntry() {
  static PluginMainProc entry = [] {
    void *module = dlopen(ZARVEL_MODULE_FILE, RTLD_NOW | RTLD_LOCAL);
    return module == nullptr ? nullptr
                             : reinterpret_cast<PluginMainProc>(dlsym(module, kPluginMainName));
  }();
  return entry;
}

std::string Fault() {
  const char *fault = std::getenv("ZARVEL_PLANTED_FAULT");
  return fault == nullptr ? "" : fault;
}

}  // namespace

extern "C" ZV_PLUGIN_EXPORT HostErr ZV_API PluginMain(const char *caller, const char *selector,
                                                      void *message) {
  PluginMainProc real = RealEntry();
  if (real == nullptr) return kHostBadParameterErr;
  const bool startup = std::strcmp(selector, "Startup") == 0;
  if (startup && Fault() == "hang") {
    while (true) pause();
  }
  const HostErr result = real(caller, selector, message);
  if (startup && Fault() == "leak") {
    void *block = nullptr;
    static_cast<SPMessageData *>(message)->basic->AllocateBlock(64, &block);
  }
  if (startup && Fault() == "throw") throw std::runtime_error("planted");
  if (result != kHostNoErr && Fault() == "crash") raise(SIGSEGV);
  return result;
}
