// The command line of zarvel-host.
#pragma once

#include <string>
#include <vector>

#include "host/app/Host.h"

namespace zvhost {

struct CommandLine {
  enum class Mode { Run, Inspect, Validate, Help, Version } mode = Mode::Run;
  HostOptions options;
  std::string script;  // a file, "-" for standard input, empty for the prompt
  std::string inspectModule;
  std::vector<std::string> validateArgs;  // "validate" and what follows it
  std::string callRecord;                 // hidden --record-calls FILE: the fault sweep's record
};

// Throws UsageError naming the bad argument.
CommandLine ParseCommandLine(int argc, const char *const *argv);

// The --help text: usage, options, script commands and every host operation's name.
std::string HelpText(const Host &host);

}  // namespace zvhost
