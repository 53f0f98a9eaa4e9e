// Runs the real host in the test process with the module linked in: script lines in, the
// host's JSON lines and the module's trace texts out.
#pragma once

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "host/app/Host.h"

namespace zvtest {

using zvhost::Json;

class HostHarness {
 public:
  // Builds the host with `options` (json is forced on) and, unless told not to, sends
  // "Startup" to the module.
  explicit HostHarness(zvhost::HostOptions options = {}, bool start = true);
  ~HostHarness();
  HostHarness(const HostHarness &) = delete;
  HostHarness &operator=(const HostHarness &) = delete;

  void Start();
  // Runs script lines; a line the host rejects as bad usage fails the test.
  void Run(const std::string &line);
  void Run(std::initializer_list<std::string> lines);
  // Runs a line that the host must reject; returns the reason.
  std::string RunExpectingError(const std::string &line);

  // Every JSON line emitted since the last Take, and forgets them.
  std::vector<Json> Take();
  // Runs "dump WHAT" and returns the object it printed.
  Json Dump(const std::string &what);
  // The events of one kind among those not yet taken (they stay).
  std::vector<Json> Pending(const std::string &kind);

  // Trace texts the module handed to Trace since the last TakeTraces.
  std::vector<std::string> TakeTraces();

  // Finishes the session as the program does; returns the exit status.
  int Finish();
  zvhost::Host &host() { return *host_; }

 private:
  std::vector<Json> Parse();

  std::ostringstream out_;
  size_t consumed_ = 0;
  std::vector<Json> pending_;
  std::unique_ptr<zvhost::Host> host_;
  bool finished_ = false;
};

}  // namespace zvtest
