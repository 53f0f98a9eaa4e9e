#include "host/validate/HostRun.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "host/core/FilePath.h"

namespace zvhost {

namespace {

std::string ReadTextFile(const std::string &path) {
  std::ifstream in(FilePath(path), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string SafeName(const std::string &name) {
  std::string safe;
  for (char c : name) safe += std::isalnum(static_cast<unsigned char>(c)) ? c : '-';
  return safe;
}

// The sanitizers' and the runtime's own words for a fault they caught.
constexpr const char *kReportMarks[] = {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer",
                                        "runtime error:", "terminate called"};

}  // namespace

std::vector<Json> HostRunResult::OfKind(const std::string &kind) const {
  std::vector<Json> found;
  for (const Json &line : lines) {
    if (line.value("kind", "") == kind) found.push_back(line);
  }
  return found;
}

void WriteTextFile(const std::string &path, const std::string &text) {
  std::ofstream out(FilePath(path), std::ios::binary);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

HostRunResult RunHostChild(const RunPlace &place, const std::string &name,
                           std::vector<std::string> argv) {
  HostRunResult run;
  const std::string base = place.folder + "/" + SafeName(name);
  run.outcome = RunChild(argv, base + ".out", base + ".err", place.timeoutSeconds);
  std::istringstream output(ReadTextFile(base + ".out"));
  for (std::string line; std::getline(output, line);) {
    Json parsed = Json::parse(line, nullptr, false);
    run.lines.push_back(parsed.is_discarded() ? Json{{"kind", "text"}, {"text", line}} : parsed);
  }
  run.errors = ReadTextFile(base + ".err");
  // The command reproduces them; a sweep's thousands of runs would fill the folder.
  std::error_code ignored;
  std::filesystem::remove(FilePath(base + ".out"), ignored);
  std::filesystem::remove(FilePath(base + ".err"), ignored);
  run.argv = std::move(argv);
  return run;
}

std::vector<std::string> RunFaults(const HostRunResult &run, const RunExpectations &expected) {
  std::vector<std::string> faults;
  const ChildOutcome &outcome = run.outcome;
  if (!outcome.started) return {"the host could not be started"};
  if (outcome.timedOut) faults.push_back("did not end in time: killed");
  if (outcome.crashed)
    faults.push_back("crashed (signal or exception " + std::to_string(outcome.status) + ")");
  for (const char *mark : kReportMarks) {
    if (size_t at = run.errors.find(mark); at != std::string::npos) {
      faults.push_back("standard error: " + run.errors.substr(at, run.errors.find('\n', at) - at));
    }
  }
  for (const Json &misuse : run.OfKind("misuse")) {
    faults.push_back("misuse: " + misuse.value("operation", "") + ": " +
                     misuse.value("reason", ""));
  }
  for (const Json &leaks : run.OfKind("leaks")) {
    for (const auto &[kind, count] : leaks["live"].items()) {
      if (expected.mayLeave.contains(kind)) continue;
      faults.push_back("left alive at exit: " + count.dump() + " " + kind);
    }
  }
  if (outcome.timedOut || outcome.crashed) return faults;
  const bool strictOnlyForExpected =
      outcome.status == 4 && faults.empty() && !run.OfKind("leaks").empty();
  if (!expected.statuses.contains(outcome.status) && !strictOnlyForExpected) {
    std::string reason;
    for (const Json &error : run.OfKind("error")) reason = error.value("reason", "");
    faults.push_back("exit status " + std::to_string(outcome.status) +
                     (reason.empty() ? "" : ": " + reason));
  }
  bool answered = false;
  for (const Json &message : run.OfKind("message")) {
    answered = answered || message.value("selector", "") == "Shutdown";
  }
  if (!answered && outcome.status != 3)
    faults.push_back("the host sent no \"Shutdown\" at the end");
  return faults;
}

}  // namespace zvhost
