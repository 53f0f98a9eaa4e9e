// Runs the built zarvel-host as a user does, with --json, and reads what it printed.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace zvtest {

struct HostRun {
  int status = -1;
  std::vector<nlohmann::ordered_json> lines;  // standard output, one JSON object a line
  std::string errors;                         // standard error

  // The lines of one kind.
  std::vector<nlohmann::ordered_json> OfKind(const std::string &kind) const;
};

// Runs `zarvel-host --json --plugin MODULE ARGS... SCRIPTFILE` with the script's lines.
// ZARVEL_HOST_EXE and ZARVEL_MODULE_FILE come from the build; the environment variables of
// the same names override them, and ZARVEL_HOST_RUNNER (e.g. "wine") is put in front.
HostRun RunHost(const std::string &script, const std::vector<std::string> &args = {});
// As RunHost, with a script file that is already written.
HostRun RunHostOnFile(const std::string &scriptFile, const std::vector<std::string> &args = {});
// The module RunHost gives the host.
std::string ModuleInUse();
// Whether that module, and so the host that runs it, is the Windows build.
bool WindowsHost();
// The host program RunHost runs (without its runner).
std::string HostProgram();
// As RunHost, with no script named: `input` is the host's standard input (not a terminal).
HostRun RunHostOnInput(const std::string &input, const std::vector<std::string> &args = {});
// As RunHost, with the arguments alone (no script, no --json, no --plugin added).
HostRun RunHostRaw(const std::vector<std::string> &args);

}  // namespace zvtest
