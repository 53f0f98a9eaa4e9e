// A named check of the validator and what it found.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/core/Output.h"
#include "host/validate/HostRun.h"
#include "host/validate/ValidateOptions.h"

namespace zvhost {

struct CheckResult {
  std::vector<std::string> faults;     // each with what it was seen in
  std::vector<std::string> reproduce;  // a command for each fault that reproduces it
  Json figures = Json::object();       // counts worth reporting (runs, calls...)
  std::string note;                    // what was done, for people
};

// What every check is given: the options, where its children's files go, and the start of
// every child's command line (zarvel-host --json --strict --plugin MODULE).
struct CheckContext {
  const ValidateOptions &options;
  RunPlace place;
  std::vector<std::string> host;

  // host + extra: a run of this program.
  std::vector<std::string> Command(std::vector<std::string> extra) const;
  // Writes a generated script into the work folder and returns its path.
  std::string WriteScript(const std::string &name, const std::string &text) const;
  // Runs a child and adds its faults (and the command that shows them) to `result`.
  HostRunResult RunAndJudge(const std::string &name, const std::vector<std::string> &argv,
                            CheckResult &result, const RunExpectations &expected = {}) const;
};

struct Check {
  std::string name;
  std::function<CheckResult(const CheckContext &)> run;
  std::string script;  // the script it runs, for the checks of a SCRIPT
};

// Every check, in the order they are reported: loading, start-up and shut-down, unload and
// reload, menus, panel entries, each script, a random session, a fault sweep of each script.
std::vector<Check> AllChecks(const ValidateOptions &options);

// The fault sweep of one script (FaultSweep.cpp).
CheckResult SweepScript(const CheckContext &context, const std::string &script);

}  // namespace zvhost
