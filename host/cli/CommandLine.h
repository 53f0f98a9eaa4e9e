// The command line of zarvel-host, parsed by CLI11: the run's options, and one subcommand
// for each other thing the program does (inspect). A subcommand adds its own CLI::App and
// its own options in one function of CommandLine.cpp, and its own Mode.
#pragma once

#include <string>
#include <vector>

#include "host/app/Host.h"

namespace zvhost {

struct CommandLine {
  enum class Mode {
    Run,
    Inspect,
    Validate,
    Help,
    Version,
    ListCommands,
    ListSuites,
    ListOperations
  } mode = Mode::Run;
  HostOptions options;
  std::string script;  // a file, "-" for standard input, empty for the prompt
  std::string inspectModule;
  std::vector<std::string> validateArgs;  // "validate" and what follows it
  std::string callRecord;                 // hidden --record-calls FILE: the fault sweep's record
  std::string helpText;  // Mode::Help: the help of the command (or subcommand) asked about
};

// Throws UsageError naming the bad argument.
CommandLine ParseCommandLine(int argc, const char *const *argv);

// What --list-commands, --list-suites and --list-operations print, one a line.
std::string CommandList(const Host &host);
std::string SuiteList(const Host &host);
std::string OperationList(const Host &host);

}  // namespace zvhost
