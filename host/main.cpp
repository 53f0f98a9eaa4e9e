// zarvel-host: the stand-in host. See `zarvel-host --help`.
#include <fstream>
#include <iostream>
#include <vector>

#include "host/app/Host.h"
#include "host/app/ScriptRunner.h"
#include "host/cli/CommandLine.h"
#include "host/cli/ExecutablePath.h"
#include "host/cli/Interrupts.h"
#include "host/cli/Prompt.h"
#include "host/cli/StandardStreams.h"
#include "host/core/CallRecord.h"
#include "host/core/FilePath.h"
#include "host/core/UsageError.h"
#include "host/inspect/Inspect.h"
#include "host/loader/LoadedModule.h"
#include "host/validate/Validate.h"

namespace {

constexpr const char *kVersion = "zarvel-host 14.0.0";

// Errors before a host exists go to standard error, or as a JSON line with --json.
int Fail(bool json, int status, const std::string &reason) {
  if (json) {
    std::cout << zvhost::Json{{"kind", "error"}, {"reason", reason}}.dump() << std::endl;
  } else {
    std::cerr << "zarvel-host: " << reason << std::endl;
  }
  return status;
}

int Run(const zvhost::CommandLine &line) {
  zvhost::HostOptions options = line.options;
  if (options.pluginPath.empty()) {
    options.pluginPath = zvhost::ExecutableDirectory() + "/Zarvel.aip";
  }
  std::ifstream file;
  if (!line.script.empty() && line.script != "-") {
    file.open(zvhost::FilePath(line.script));
    if (!file) return Fail(options.json, zvhost::kExitUsage, "cannot read script " + line.script);
  }
  zvhost::Host host(options, std::cout, &std::cerr);
  zvhost::CatchInterrupts();
  try {
    host.Start(zvhost::OpenModule(options.pluginPath));
    int status;
    if (line.script.empty() && zvhost::InputIsTerminal()) {
      zvhost::Prompt prompt(host);
      status = zvhost::RunScript(
          host, [&prompt] { return prompt.Read(); }, true);
    } else {
      std::istream &in = file.is_open() ? static_cast<std::istream &>(file) : std::cin;
      // A signal ends a script between two lines; the shutdown then runs as at its end.
      status = zvhost::RunScript(
          host,
          [&in]() -> std::optional<std::string> {
            std::string next;
            if (zvhost::StopRequested() || !std::getline(in, next)) return std::nullopt;
            return next;
          },
          false);
    }
    int finish = host.Finish();
    if (!line.callRecord.empty()) WriteCallRecord(host.failures, host.suites, line.callRecord);
    return status != zvhost::kExitDone ? status : finish;
  } catch (const zvhost::ModuleError &error) {
    host.output.Emit({{"kind", "error"}, {"reason", error.what()}});
    return zvhost::kExitModule;
  } catch (const zvhost::HostExit &exit) {
    host.output.Emit({{"kind", "error"}, {"reason", exit.reason}});
    return exit.status;
  }
}

int HostMain(int argc, const char *const *argv) {
  zvhost::UseByteExactOutput();
  bool json = false;
  try {
    zvhost::CommandLine line = zvhost::ParseCommandLine(argc, argv);
    json = line.options.json;
    switch (line.mode) {
      case zvhost::CommandLine::Mode::Help:
        std::cout << line.helpText;
        return zvhost::kExitDone;
      case zvhost::CommandLine::Mode::ListCommands:
        std::cout << zvhost::CommandList(zvhost::Host(zvhost::HostOptions{}, std::cout));
        return zvhost::kExitDone;
      case zvhost::CommandLine::Mode::ListSuites:
        std::cout << zvhost::SuiteList(zvhost::Host(zvhost::HostOptions{}, std::cout));
        return zvhost::kExitDone;
      case zvhost::CommandLine::Mode::ListOperations:
        std::cout << zvhost::OperationList(zvhost::Host(zvhost::HostOptions{}, std::cout));
        return zvhost::kExitDone;
      case zvhost::CommandLine::Mode::Version:
        std::cout << kVersion << std::endl;
        return zvhost::kExitDone;
      case zvhost::CommandLine::Mode::Inspect:
        return zvhost::RunInspect(line.inspectModule, json, std::cout, std::cerr);
      case zvhost::CommandLine::Mode::Validate:
        return zvhost::RunValidate(line.validateArgs, zvhost::ExecutableDirectory(), std::cout);
      case zvhost::CommandLine::Mode::Run:
        return Run(line);
    }
  } catch (const zvhost::UsageError &error) {
    return Fail(json, zvhost::kExitUsage, error.what());
  } catch (const std::exception &error) {
    return Fail(json, zvhost::kExitUsage, std::string("internal error: ") + error.what());
  }
  return zvhost::kExitDone;
}

}  // namespace

#ifdef _WIN32
// Windows hands main() its arguments in the system's code page, which cannot hold every file
// name; wmain() has them as the system keeps them, and they go on in UTF-8.
int wmain(int argc, wchar_t **argv) {
  std::vector<std::string> words;
  for (int i = 0; i < argc; ++i) words.push_back(zvhost::Utf8Name(argv[i]));
  std::vector<const char *> pointers;
  for (const std::string &word : words) pointers.push_back(word.c_str());
  return HostMain(argc, pointers.data());
}
#else
int main(int argc, char **argv) {
  return HostMain(argc, argv);
}
#endif
