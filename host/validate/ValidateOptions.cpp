#include "host/validate/ValidateOptions.h"

#include <CLI/CLI.hpp>

#include "host/core/UsageError.h"

namespace zvhost {

ValidateOptions ParseValidateOptions(const std::vector<std::string> &args) {
  ValidateOptions options;
  CLI::App app(
      "Runs the named checks of a module, each in a child process of zarvel-host under "
      "--strict.\nChecks: loading, start-up and shut-down, unload and reload, every menu item, "
      "every panel entry,\nscript: SCRIPT, random session, fault sweep: SCRIPT (each of the "
      "script's host calls failed once).\nExit status: 0 every check passed, 1 any failed, 2 bad "
      "usage.",
      "zarvel-host validate");
  app.set_help_flag("-h,--help", "print this help");
  // As zarvel-host's own options: a path such as /tmp/a.zvs is never a Windows-style option.
  app.allow_windows_style_options(false);
  app.add_option("--plugin", options.pluginPath,
                 "the module to check (default: Zarvel.aip beside this program)");
  app.add_option("--document", options.documentPath,
                 "the document the panel checks and the random session open")
      ->capture_default_str();
  app.add_flag("--json", options.json, "one JSON object a line: one per check, then the tally");
  app.add_option("--seed", options.seed, "makes every random choice repeatable")
      ->capture_default_str();
  app.add_option("--jobs", options.jobs, "child processes run side by side")
      ->check(CLI::Range(1u, 256u))
      ->capture_default_str();
  app.add_option("--timeout", options.timeoutSeconds,
                 "seconds a child may run before it is killed (its check fails)")
      ->check(CLI::PositiveNumber)
      ->capture_default_str();
  app.add_option("--sweep-runs", options.sweepRuns,
                 "faulted runs per script at most, chosen by the seed (0: one for every call)")
      ->capture_default_str();
  app.add_option("--check", options.checks, "run only the check of this name (repeatable)")
      ->allow_extra_args(false);
  app.add_option("scripts", options.scripts,
                 "scripts to run and sweep (default: examples/tour.zvs)");
  std::vector<std::string> reversed(args.rbegin(), args.rend() - 1);
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp &) {
    options.help = true;
    options.helpText = app.help();
  } catch (const CLI::ParseError &error) {
    throw UsageError(std::string("validate: ") + error.what() +
                     " (zarvel-host validate --help lists the options)");
  }
  if (options.scripts.empty()) options.scripts.push_back("examples/tour.zvs");
  return options;
}

}  // namespace zvhost
