// The fault sweep: a script's host calls are recorded, then the script runs once for each
// call (or a seeded sample of them) with that one call failing.
#include <algorithm>
#include <fstream>
#include <map>
#include <random>

#include "HostTypes.h"
#include "ate/ATETypes.h"
#include "host/core/FailurePlan.h"
#include "host/core/FilePath.h"
#include "host/validate/Check.h"
#include "host/validate/WorkPool.h"

namespace zvhost {

namespace {

// The codes a failed call returns: the host's and the text engine's own.
constexpr HostErr kCodes[] = {kHostSuiteNotFoundErr, kHostBadParameterErr, kHostOutOfMemoryErr,
                              kHostNoDocumentErr,    kHostCancelErr,       kATEBadParameterErr,
                              kATEOutOfRangeErr,     kATEOutOfMemoryErr};

// A release that fails leaves its object alive by construction: that is no leak of the module.
const std::map<std::string, std::string, std::less<>> kReleasedKinds = {
    {"AI Art Set Suite/DisposeArtSet", "ArtSet"},
    {"AI Unicode String Suite/Destroy", "UnicodeString"},
    {"SP Basic Suite/FreeBlock", "blocks"},
    {"SP Blocks Suite/FreeBlock", "blocks"},
};

struct Call {
  std::string operation;
  uint64_t number = 0;
};

// The call record: a JSON object of operation names and how many calls each had.
std::vector<Call> ReadCalls(const std::string &path) {
  std::ifstream in(FilePath(path));
  Json record = Json::parse(in, nullptr, false);
  std::vector<Call> calls;
  if (!record.is_object()) return calls;
  for (const auto &[operation, count] : record.items()) {
    for (uint64_t number = 1; number <= count.get<uint64_t>(); ++number) {
      calls.push_back({operation, number});
    }
  }
  return calls;
}

// The same code for the same call in every sweep with this seed.
HostErr CodeFor(uint64_t seed, size_t index) {
  std::mt19937_64 random(seed ^ (0x9E3779B97F4A7C15ull * (index + 1)));
  return kCodes[random() % std::size(kCodes)];
}

}  // namespace

CheckResult SweepScript(const CheckContext &context, const std::string &script) {
  CheckResult result;
  const std::string record = context.place.folder + "/calls.json";
  context.RunAndJudge("record", context.Command({"--record-calls", record, script}), result);
  if (!result.faults.empty()) return result;
  std::vector<Call> calls = ReadCalls(record);
  if (calls.empty()) {
    result.faults.push_back("the host wrote no call record to " + record);
    return result;
  }
  result.figures["calls"] = calls.size();
  const uint64_t limit = context.options.sweepRuns;
  if (limit != 0 && limit < calls.size()) {
    std::mt19937_64 random(context.options.seed);
    std::shuffle(calls.begin(), calls.end(), random);
    calls.resize(limit);
  }

  struct Outcome {
    std::vector<std::string> faults;
    std::vector<std::string> argv;
    bool crashed = false, leaked = false, misused = false, expectedLeft = false;
  };
  std::vector<Outcome> outcomes(calls.size());
  RunSideBySide(calls.size(), context.options.jobs, [&](size_t index) {
    const Call &call = calls[index];
    const std::string failure = call.operation + ":" +
                                FormatErrorCode(CodeFor(context.options.seed, index)) + "@" +
                                std::to_string(call.number);
    RunExpectations expected{{0, 2}, {}};
    if (auto released = kReleasedKinds.find(call.operation); released != kReleasedKinds.end()) {
      expected.mayLeave.insert(released->second);
    }
    Outcome &outcome = outcomes[index];
    outcome.argv = context.Command({"--fail", failure, script});
    HostRunResult run = RunHostChild(context.place, "run-" + std::to_string(index), outcome.argv);
    outcome.faults = RunFaults(run, expected);
    outcome.crashed = run.outcome.crashed || run.outcome.timedOut;
    outcome.misused = !run.OfKind("misuse").empty();
    outcome.expectedLeft = !run.OfKind("leaks").empty() && !expected.mayLeave.empty();
    for (const std::string &fault : outcome.faults) {
      outcome.leaked = outcome.leaked || fault.starts_with("left alive");
    }
    for (std::string &fault : outcome.faults) fault = failure + ": " + fault;
  });

  int crashes = 0, leaks = 0, misuse = 0, expectedLeft = 0, failedRuns = 0;
  for (const Outcome &outcome : outcomes) {
    crashes += outcome.crashed;
    leaks += outcome.leaked;
    misuse += outcome.misused;
    expectedLeft += outcome.expectedLeft;
    if (outcome.faults.empty()) continue;
    ++failedRuns;
    std::string joined;
    for (const std::string &fault : outcome.faults) joined += (joined.empty() ? "" : "; ") + fault;
    result.faults.push_back(joined);
    result.reproduce.push_back(CommandText(outcome.argv));
  }
  result.figures["runs"] = calls.size();
  result.figures["failedRuns"] = failedRuns;
  result.figures["crashes"] = crashes;
  result.figures["leaks"] = leaks;
  result.figures["misuse"] = misuse;
  result.figures["releasesLeftAsExpected"] = expectedLeft;
  return result;
}

}  // namespace zvhost
