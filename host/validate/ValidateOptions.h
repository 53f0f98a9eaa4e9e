// The command line of `zarvel-host validate`.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zvhost {

struct ValidateOptions {
  std::string hostPath;  // this program: every check runs it again as a child
  std::string pluginPath;
  std::string documentPath = "examples/tour.json";  // the panel and random checks open it
  std::vector<std::string> scripts;                 // none: examples/tour.zvs
  std::vector<std::string> checks;                  // only these (by name); none: every check
  bool json = false;
  uint64_t seed = 1;
  unsigned jobs = 1;
  double timeoutSeconds = 120;
  uint64_t sweepRuns = 0;  // at most this many faulted runs per script, chosen by the seed; 0: all
  bool help = false;
  std::string helpText;
};

// Reads `validate [OPTIONS] [SCRIPT...]` (args[0] is "validate"). Throws UsageError naming
// the bad argument.
ValidateOptions ParseValidateOptions(const std::vector<std::string> &args);

}  // namespace zvhost
