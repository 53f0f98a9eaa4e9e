// zarvel-host validate: the named checks, each in child processes, a tally, and the command
// that reproduces each failure.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace zvhost {

// args: "validate" and what follows it. programDirectory: where zarvel-host and the default
// module are. Returns 0 when every check passed, 1 when any failed; throws UsageError for bad
// options.
int RunValidate(const std::vector<std::string> &args, const std::string &programDirectory,
                std::ostream &out);

}  // namespace zvhost
