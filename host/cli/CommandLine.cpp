#include "host/cli/CommandLine.h"

#include <sstream>

#include "host/core/UsageError.h"

namespace zvhost {

CommandLine ParseCommandLine(int argc, const char *const *argv) {
  CommandLine line;
  int i = 1;
  auto value = [&](const std::string &option) -> std::string {
    if (i + 1 >= argc) throw UsageError("option " + option + " needs a value");
    return argv[++i];
  };
  if (argc > 1 && std::string(argv[1]) == "validate") {
    line.mode = CommandLine::Mode::Validate;
    line.validateArgs.assign(argv + 1, argv + argc);
    return line;
  }
  if (argc > 1 && std::string(argv[1]) == "inspect") {
    line.mode = CommandLine::Mode::Inspect;
    for (i = 2; i < argc; ++i) {
      std::string arg = argv[i];
      if (arg == "--json") {
        line.options.json = true;
      } else if (!arg.empty() && arg[0] == '-') {
        throw UsageError("inspect: unknown option '" + arg + "'");
      } else if (line.inspectModule.empty()) {
        line.inspectModule = arg;
      } else {
        throw UsageError("inspect: one module at a time ('" + arg + "' is one too many)");
      }
    }
    if (line.inspectModule.empty()) throw UsageError("usage: zarvel-host inspect [--json] MODULE");
    return line;
  }
  for (; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      line.mode = CommandLine::Mode::Help;
    } else if (arg == "--version") {
      line.mode = CommandLine::Mode::Version;
    } else if (arg == "--plugin") {
      line.options.pluginPath = value(arg);
    } else if (arg == "--json") {
      line.options.json = true;
    } else if (arg == "--prefs") {
      line.options.prefsPath = value(arg);
    } else if (arg == "--missing-suite") {
      line.options.missingSuites.push_back(value(arg));
    } else if (arg == "--fail") {
      line.options.failures.push_back(value(arg));
    } else if (arg == "--record-calls") {
      line.callRecord = value(arg);
    } else if (arg == "--strict") {
      line.options.strict = true;
    } else if (arg == "--reload-elsewhere") {
      line.options.reloadElsewhere = true;
    } else if (arg != "-" && !arg.empty() && arg[0] == '-') {
      throw UsageError("unknown option '" + arg + "' (zarvel-host --help lists the options)");
    } else if (line.script.empty()) {
      line.script = arg;
    } else {
      throw UsageError("one script at a time ('" + arg + "' is one too many)");
    }
  }
  return line;
}

std::string HelpText(const Host &host) {
  std::ostringstream text;
  text << R"(zarvel-host: loads the Zarvel plug-in module as its host does and drives it.

Usage:
  zarvel-host [OPTIONS] [SCRIPT|-]      run a script (- = standard input); none: standard input,
                                        a prompt where it is a terminal, else a script
  zarvel-host inspect [--json] MODULE   list a module's resources and entry point, change nothing
  zarvel-host validate [OPTIONS] [SCRIPT...]
                                        run the named checks of the module, each in a child
                                        process (zarvel-host validate --help)
  zarvel-host --help | --version

Options:
  --plugin PATH                 the module to load (default: Zarvel.aip beside this program)
  --json                        every output line is one JSON object with a "kind"
  --prefs FILE                  the preferences file, read at start and written at exit
  --missing-suite NAME:VERSION  the host does not offer that suite (repeatable)
  --fail SUITE/OPERATION:CODE[:COUNT|@N|@N+]
                                the next COUNT calls (default 1, 0 = every call) of the
                                operation fail with CODE (decimal or four characters);
                                @N: exactly its N-th call, @N+: every call from the N-th
                                on (calls counted from 1, from start-up on; repeatable)
  --strict                      handle misuse and leaks at exit make the exit status 4
  --reload-elsewhere            while the module is unloaded its addresses are held, so
                                that the system loader places it elsewhere at the reload

Exit status: 0 done; 2 bad usage or a script error; 3 the module could not be loaded;
4 strict-mode findings.

Script commands (one a line; "..." quotes a word, in which \" is a quote and \\ a backslash;
# at the start of a word starts a comment):
)";
  for (const ScriptCommand &command : host.commands.All()) {
    text << "  " << command.usage << "\n      " << command.help << "\n";
  }
  text << "  quit\n      the end (also at the end of the script)\n";
  text << "\nSuites (for --missing-suite):\n";
  for (const std::string &suite : host.suites.AllSuites()) text << "  " << suite << "\n";
  text << "\nHost operations (for --fail and fail):\n";
  for (const std::string &operation : host.suites.AllOperations()) {
    text << "  " << operation << "\n";
  }
  return text.str();
}

}  // namespace zvhost
