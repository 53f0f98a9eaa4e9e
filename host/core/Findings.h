// Misuse of the host interface that the host notices: a release of a dead reference, a use
// after release, a foreign handle. Each names the suite and operation where it happened.
#pragma once

#include <string>
#include <vector>

#include "host/core/Output.h"

namespace zvhost {

struct Finding {
  std::string operation;  // "ATE TextRange Suite/Release"
  std::string reason;     // "release of a dead reference"
};

class Findings {
 public:
  // With `strict` each finding is also written to `output` as it happens.
  Findings(Output &output, bool strict) : output_(output), strict_(strict) {}

  void Report(std::string operation, std::string reason);
  const std::vector<Finding> &All() const { return findings_; }

 private:
  Output &output_;
  bool strict_;
  std::vector<Finding> findings_;
};

}  // namespace zvhost
