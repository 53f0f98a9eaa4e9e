#include "host/validate/Validate.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <ostream>

#include "host/core/FilePath.h"
#include "host/core/Output.h"
#include "host/core/UsageError.h"
#include "host/validate/Check.h"
#include "host/validate/WorkPool.h"

namespace zvhost {

namespace {

#ifdef _WIN32
constexpr const char *kProgramName = "zarvel-host.exe";
#else
constexpr const char *kProgramName = "zarvel-host";
#endif

std::filesystem::path MakeWorkFolder() {
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zarvel-validate-" + std::to_string(stamp));
  std::filesystem::create_directories(folder);
  return folder;
}

void Report(std::ostream &out, bool json, const std::string &name, const CheckResult &result) {
  const bool passed = result.faults.empty();
  if (json) {
    Json line{{"kind", "check"}, {"name", name}, {"passed", passed}};
    for (const auto &[key, value] : result.figures.items()) line[key] = value;
    if (!passed) {
      line["faults"] = result.faults;
      line["reproduce"] = result.reproduce;
    }
    out << line.dump() << std::endl;
    return;
  }
  out << (passed ? "PASS " : "FAIL ") << name;
  std::string figures;
  for (const auto &[key, value] : result.figures.items()) {
    figures += (figures.empty() ? "" : ", ") + key + " " + value.dump();
  }
  if (!figures.empty()) out << " (" << figures << ")";
  if (!result.note.empty()) out << ": " << result.note;
  out << "\n";
  for (size_t i = 0; i < result.faults.size(); ++i) {
    out << "  " << result.faults[i] << "\n";
    if (i < result.reproduce.size()) out << "    reproduce: " << result.reproduce[i] << "\n";
  }
  out << std::flush;
}

}  // namespace

int RunValidate(const std::vector<std::string> &args, const std::string &programDirectory,
                std::ostream &out) {
  ValidateOptions options = ParseValidateOptions(args);
  if (options.help) {
    out << options.helpText;
    return 0;
  }
  options.hostPath = programDirectory + "/" + kProgramName;
  if (options.pluginPath.empty()) options.pluginPath = programDirectory + "/Zarvel.aip";

  std::vector<Check> checks = AllChecks(options);
  if (!options.checks.empty()) {
    std::vector<Check> chosen;
    for (const std::string &name : options.checks) {
      auto found = std::find_if(checks.begin(), checks.end(),
                                [&name](const Check &check) { return check.name == name; });
      if (found == checks.end()) {
        std::string names;
        for (const Check &check : checks) names += (names.empty() ? "" : ", ") + check.name;
        throw UsageError("validate: no check named '" + name + "' (the checks: " + names + ")");
      }
      chosen.push_back(*found);
    }
    checks = chosen;
  }
  for (const Check &check : checks) {
    if (!check.script.empty() && !std::filesystem::is_regular_file(FilePath(check.script))) {
      throw UsageError("validate: cannot read script " + check.script +
                       (options.scripts.size() == 1 && check.script == "examples/tour.zvs"
                            ? " (the default: run from the top of the repository, or name one)"
                            : ""));
    }
  }

  const std::filesystem::path work = MakeWorkFolder();
  const std::vector<std::string> host = {options.hostPath, "--json", "--strict", "--plugin",
                                         options.pluginPath};
  std::vector<CheckResult> results(checks.size());
  auto runCheck = [&](size_t index) {
    const std::filesystem::path folder = work / std::to_string(index);
    std::filesystem::create_directories(folder);
    const CheckContext context{options, {Utf8Name(folder), options.timeoutSeconds}, host};
    results[index] = checks[index].run(context);
  };
  // The sweeps run their own calls side by side; the other checks run side by side first.
  std::vector<size_t> sessions, sweeps;
  for (size_t i = 0; i < checks.size(); ++i) {
    (checks[i].name.starts_with("fault sweep") ? sweeps : sessions).push_back(i);
  }
  RunSideBySide(sessions.size(), options.jobs, [&](size_t i) { runCheck(sessions[i]); });
  for (size_t i : sessions) Report(out, options.json, checks[i].name, results[i]);
  for (size_t i : sweeps) {
    runCheck(i);
    Report(out, options.json, checks[i].name, results[i]);
  }

  int passed = 0, failed = 0;
  for (const CheckResult &result : results) (result.faults.empty() ? passed : failed) += 1;
  if (failed == 0) {
    std::filesystem::remove_all(work);
  }
  if (options.json) {
    Json tally{{"kind", "tally"}, {"passed", passed}, {"failed", failed}};
    if (failed != 0) tally["workFolder"] = Utf8Name(work);
    out << tally.dump() << std::endl;
  } else {
    if (failed != 0)
      out << "The failed runs' scripts and outputs are kept in " << Utf8Name(work) << "\n";
    out << passed << " passed, " << failed << " failed" << std::endl;
  }
  return failed == 0 ? 0 : 1;
}

}  // namespace zvhost
