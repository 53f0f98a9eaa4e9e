#include "host/cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <sstream>

#include "host/app/CommandHelp.h"
#include "host/core/UsageError.h"

namespace zvhost {

namespace {

constexpr const char *kFooter = R"(
zarvel-host validate [OPTIONS] [SCRIPT...] runs the named checks of a module, each in a child
process (zarvel-host validate --help lists its options).

Without SCRIPT, standard input is read: at a terminal as a prompt with line editing, history
and Tab completion; otherwise as a script. `help` at the prompt, or --list-commands, lists
the script commands.

Exit status: 0 done; 2 bad usage or a script error; 3 the module could not be loaded;
4 strict-mode findings (--strict); 5 refused actions or plug-in errors (--strict-actions).)";

void AddRunOptions(CLI::App &app, CommandLine &line) {
  HostOptions &options = line.options;
  app.add_option("--plugin", options.pluginPath,
                 "the module to load (default: Zarvel.aip beside this program)")
      ->type_name("PATH");
  app.add_flag("--json", options.json, "every output line is one JSON object with a \"kind\"");
  app.add_option("--prefs", options.prefsPath,
                 "the preferences file, read at start and written at exit")
      ->type_name("FILE");
  app.add_option("--missing-suite", options.missingSuites,
                 "the host does not offer that suite (repeatable; --list-suites names them)")
      ->type_name("NAME:VERSION")
      ->allow_extra_args(false);
  app.add_option("--fail", options.failures,
                 "the next COUNT calls (default 1, 0 = every call) of the operation fail with "
                 "CODE (decimal or four characters); @N: exactly its N-th call, @N+: every "
                 "call from the N-th on (counted from 1, from start-up on; repeatable; "
                 "--list-operations names them)")
      ->type_name("SUITE/OPERATION:CODE[:COUNT|@N|@N+]")
      ->allow_extra_args(false);
  app.add_flag("--strict", options.strict,
               "handle misuse and leaks at exit make the exit status 4");
  app.add_flag("--strict-actions", options.strictActions,
               "a refused user action (other than one under `expect refused`) or a non-zero "
               "result of the plug-in makes the exit status 5");
  app.add_flag("--reload-elsewhere", options.reloadElsewhere,
               "while the module is unloaded its addresses are held, so that the system "
               "loader places it elsewhere at the reload");
  app.add_option("SCRIPT", line.script, "the script to run; - for standard input");
}

void AddInspect(CLI::App &app, CommandLine &line) {
  CLI::App *inspect =
      app.add_subcommand("inspect", "list a module's resources and entry point, change nothing");
  inspect->add_flag("--json", line.options.json, "one JSON object a line");
  inspect->add_option("MODULE", line.inspectModule, "the module file")->required();
  inspect->callback([&line] { line.mode = CommandLine::Mode::Inspect; });
}

// CLI11's help as it stands after the parse: the subcommand's own when one was named.
std::string HelpOf(const CLI::App &app) {
  for (const CLI::App *sub : app.get_subcommands()) return sub->help();
  return app.help() + kFooter + "\n";
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char *const *argv) {
  CommandLine line;
  // validate parses its own options (host/validate/ValidateOptions.cpp).
  if (argc > 1 && std::string(argv[1]) == "validate") {
    line.mode = CommandLine::Mode::Validate;
    line.validateArgs.assign(argv + 1, argv + argc);
    return line;
  }
  CLI::App app("zarvel-host: loads the Zarvel plug-in module as its host does and drives it.",
               "zarvel-host");
  app.set_help_flag("-h,--help", "print this help and exit");
  // Options are --name on every system: on Windows a script path such as /tmp/a.zvs (as Wine
  // passes it) is a path, not a Windows-style option.
  app.allow_windows_style_options(false);
  bool version = false;
  bool listCommands = false;
  bool listSuites = false;
  bool listOperations = false;
  app.add_flag("-V,--version", version, "print the version and exit");
  app.add_flag("--list-commands", listCommands, "list the script commands and exit");
  app.add_flag("--list-suites", listSuites, "list the suites the host offers and exit");
  app.add_flag("--list-operations", listOperations,
               "list the host operations (for --fail and fail) and exit");
  AddRunOptions(app, line);
  AddInspect(app, line);
  // The fault sweep's call record: for validate's child processes, not for people.
  app.add_option("--record-calls", line.callRecord)->group("");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp &) {
    line.mode = CommandLine::Mode::Help;
    line.helpText = HelpOf(app);
    return line;
  } catch (const CLI::ParseError &error) {
    throw UsageError(std::string(error.what()) + " (zarvel-host --help lists the options)");
  }
  if (version) line.mode = CommandLine::Mode::Version;
  if (listCommands) line.mode = CommandLine::Mode::ListCommands;
  if (listSuites) line.mode = CommandLine::Mode::ListSuites;
  if (listOperations) line.mode = CommandLine::Mode::ListOperations;
  return line;
}

std::string CommandList(const Host &host) {
  return GroupedHelp(host.commands);
}

std::string SuiteList(const Host &host) {
  std::string text;
  for (const std::string &suite : host.suites.AllSuites()) text += suite + "\n";
  return text;
}

std::string OperationList(const Host &host) {
  std::string text;
  for (const std::string &operation : host.suites.AllOperations()) text += operation + "\n";
  return text;
}

}  // namespace zvhost
