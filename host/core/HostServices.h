// What every part of the host may use: the output, the findings, the failure plan, the
// suites, the script commands and the registry of every handle handed to the module. The parts
// above reach it through HostServices::The(); the host that composes them is one.
#pragma once

#include <ostream>
#include <string>

#include "host/core/CommandTable.h"
#include "host/core/FailurePlan.h"
#include "host/core/Findings.h"
#include "host/core/HandleRegistry.h"
#include "host/core/Output.h"
#include "host/core/SoleInstance.h"
#include "host/core/SuiteRegistry.h"

namespace zvhost {

class HostServices : public SoleInstance<HostServices> {
 public:
  static constexpr const char *kRole = "host";

  // `json`: one JSON object a line; `strict`: findings are reported as they happen;
  // `errors`: where people read errors and refusals (null: `out`).
  HostServices(std::ostream &out, bool json, bool strict, std::ostream *errors = nullptr)
      : output(out, json, errors), findings(output, strict) {}

  // A user action that a real host would not carry out: said so, nothing sent.
  void Refuse(const std::string &reason) { output.Emit({{"kind", "refused"}, {"reason", reason}}); }

  Output output;
  Findings findings;
  FailurePlan failures{FailurePlan::Counting::kHostCalls};
  SuiteRegistry suites;
  CommandTable commands;
  HandleRegistry handles;
};

}  // namespace zvhost
