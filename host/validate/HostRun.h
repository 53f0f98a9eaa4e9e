// One run of zarvel-host as a child of the validator, and what is wrong with how it ended.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "host/core/Output.h"
#include "host/validate/ChildProcess.h"

namespace zvhost {

// Where the children's files go, and how long each may run.
struct RunPlace {
  std::string folder;
  double timeoutSeconds = 120;
};

struct HostRunResult {
  std::vector<std::string> argv;
  ChildOutcome outcome;
  std::vector<Json> lines;  // standard output, one JSON object a line
  std::string errors;       // standard error

  std::vector<Json> OfKind(const std::string &kind) const;
};

// Runs argv (zarvel-host and its arguments, --json among them); `name` tells its files apart.
HostRunResult RunHostChild(const RunPlace &place, const std::string &name,
                           std::vector<std::string> argv);

// What a run must show to be sound.
struct RunExpectations {
  std::set<int> statuses = {0};
  // Kinds of live objects that may be left at exit (a release that was made to fail).
  std::set<std::string> mayLeave;
};

// Every fault of the run, each as a sentence; none: it ended soundly. A sound run ends with
// an allowed status, no sanitizer report, no misuse, nothing left alive but what may be, and
// a host that still answered: its "Shutdown" message was sent and returned.
std::vector<std::string> RunFaults(const HostRunResult &run, const RunExpectations &expected);

// Writes a file whole; throws std::runtime_error naming it when it cannot.
void WriteTextFile(const std::string &path, const std::string &text);

}  // namespace zvhost
