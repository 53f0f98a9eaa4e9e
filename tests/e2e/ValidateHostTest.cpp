// zarvel-host validate end to end: the real module passes every check; a module with a
// planted fault fails the check that provokes it, named, with a command that reproduces it;
// a child that hangs is killed at --timeout; the fault sweep fails every call of a script.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

const std::string kDocument = std::string(ZARVEL_SOURCE_DIR) + "/examples/tour.json";
// A short session that selects a frame, so that the module makes and disposes of art sets.
const std::string kSmallScript = "open " + kDocument + "\nselect art 0\nselect none\n";

zvtest::HostRun Validate(const std::string &module, std::vector<std::string> args) {
  std::vector<std::string> all = {"validate", "--plugin", module, "--document", kDocument};
  all.insert(all.end(), args.begin(), args.end());
  return zvtest::RunHostRaw(all);
}

// Runs the planted-fault module, with its fault chosen by the environment its children inherit.
zvtest::HostRun ValidatePlanted(const std::string &fault, std::vector<std::string> args) {
  setenv("ZARVEL_PLANTED_FAULT", fault.c_str(), 1);
  zvtest::HostRun run = Validate(ZARVEL_PLANTED_MODULE, std::move(args));
  unsetenv("ZARVEL_PLANTED_FAULT");
  // A failed validation keeps its work folder for the reproducing commands; the test's goes.
  for (const auto &tally : run.OfKind("tally")) {
    if (tally.contains("workFolder"))
      std::filesystem::remove_all(tally["workFolder"].get<std::string>());
  }
  for (const auto &line : run.OfKind("text")) {
    const std::string text = line["text"];
    const std::string kept = "The failed runs' scripts and outputs are kept in ";
    if (text.starts_with(kept)) std::filesystem::remove_all(text.substr(kept.size()));
  }
  return run;
}

nlohmann::ordered_json CheckNamed(const zvtest::HostRun &run, const std::string &name) {
  for (const auto &check : run.OfKind("check")) {
    if (check["name"] == name) return check;
  }
  ADD_FAILURE() << "no check named " << name;
  return {};
}

bool PlantedModuleCanRun() {
  // The planted module is a Linux one; under Wine the host is a Windows program.
  const char *runner = std::getenv("ZARVEL_HOST_RUNNER");
  return runner == nullptr || *runner == '\0';
}

TEST(ValidateHost, TheModulePassesEveryCheckWithOneJsonLineEachAndATally) {
  const zvtest::TempFolder temp;
  const std::string script = temp.Write("small.zvs", kSmallScript);
  // Under Wine each start of a program costs a second: the sweep there is a sample.
  const bool sampled = !PlantedModuleCanRun();
  std::vector<std::string> args = {"--json", "--jobs", "2", script};
  if (sampled) args.insert(args.begin(), {"--sweep-runs", "20"});
  zvtest::HostRun run = Validate(zvtest::ModuleInUse(), args);
  EXPECT_EQ(run.status, 0) << run.errors;
  const std::vector<std::string> names = {
      "loading",           "start-up and shut-down", "unload and reload", "every menu item",
      "every panel entry", "script: small.zvs",      "random session",    "fault sweep: small.zvs"};
  const auto checks = run.OfKind("check");
  ASSERT_EQ(checks.size(), names.size()) << run.errors;
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(checks[i]["name"], names[i]);
    EXPECT_EQ(checks[i]["passed"], true) << checks[i].dump();
    EXPECT_FALSE(checks[i].contains("faults"));
  }
  const auto sweep = CheckNamed(run, "fault sweep: small.zvs");
  EXPECT_GT(sweep["calls"], 10);
  EXPECT_EQ(sweep["runs"], sampled ? nlohmann::ordered_json(20) : sweep["calls"])
      << "one run for every call";
  for (const char *none : {"failedRuns", "crashes", "leaks", "misuse"}) EXPECT_EQ(sweep[none], 0);
  // The module disposes of art sets; a failed DisposeArtSet leaves its set, as expected.
  if (!sampled) {
    EXPECT_GT(sweep["releasesLeftAsExpected"], 0);
  }
  const auto tally = run.OfKind("tally");
  ASSERT_EQ(tally.size(), 1u);
  EXPECT_EQ(tally[0]["passed"], 8);
  EXPECT_EQ(tally[0]["failed"], 0);
  EXPECT_EQ(run.lines.back()["kind"], "tally") << "the tally closes the output";
}

TEST(ValidateHost, APlantedFaultFailsTheCheckThatProvokesItWithAReproducingCommand) {
  if (!PlantedModuleCanRun()) GTEST_SKIP() << "the planted-fault module is a Linux module";
  const zvtest::TempFolder temp;
  const std::string script = temp.Write("small.zvs", kSmallScript);
  struct Case {
    std::string fault;
    std::string check;
    std::string finding;
    std::string inCommand;
  };
  const Case cases[] = {
      {"leak", "start-up and shut-down", "left alive at exit: 1 blocks", "--strict"},
      {"throw", "start-up and shut-down", "an exception left the module's entry point", "--strict"},
      {"crash", "fault sweep: small.zvs", "crashed", "--fail"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.fault);
    zvtest::HostRun run =
        ValidatePlanted(c.fault, {"--json", "--sweep-runs", "40", "--check", c.check, script});
    EXPECT_EQ(run.status, 1) << run.errors;
    const auto check = CheckNamed(run, c.check);
    EXPECT_EQ(check["passed"], false);
    ASSERT_TRUE(check.contains("faults")) << check.dump();
    ASSERT_EQ(check["faults"].size(), check["reproduce"].size());
    EXPECT_NE(check["faults"][0].get<std::string>().find(c.finding), std::string::npos)
        << check.dump();
    const std::string command = check["reproduce"][0];
    EXPECT_NE(command.find(ZARVEL_PLANTED_MODULE), std::string::npos) << command;
    EXPECT_NE(command.find(c.inCommand), std::string::npos) << command;
  }
}

TEST(ValidateHost, PeopleReadEachFailureWithItsCommandAndTheClosingCount) {
  if (!PlantedModuleCanRun()) GTEST_SKIP() << "the planted-fault module is a Linux module";
  zvtest::HostRun run =
      ValidatePlanted("leak", {"--check", "loading", "--check", "start-up and shut-down"});
  EXPECT_EQ(run.status, 1) << run.errors;
  std::string text;
  for (const auto &line : run.OfKind("text")) text += line["text"].get<std::string>() + "\n";
  EXPECT_NE(text.find("PASS loading"), std::string::npos) << text;
  EXPECT_NE(text.find("FAIL start-up and shut-down"), std::string::npos) << text;
  EXPECT_NE(text.find("    reproduce: "), std::string::npos) << text;
  ASSERT_FALSE(run.lines.empty());
  EXPECT_EQ(run.lines.back()["text"], "1 passed, 1 failed");
}

TEST(ValidateHost, AChildThatOverrunsItsTimeIsKilledAndItsCheckFails) {
  if (!PlantedModuleCanRun()) GTEST_SKIP() << "the planted-fault module is a Linux module";
  const auto start = std::chrono::steady_clock::now();
  zvtest::HostRun run =
      ValidatePlanted("hang", {"--json", "--timeout", "1", "--check", "start-up and shut-down"});
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  EXPECT_EQ(run.status, 1) << run.errors;
  EXPECT_LT(seconds.count(), 20);
  const auto check = CheckNamed(run, "start-up and shut-down");
  ASSERT_TRUE(check.contains("faults")) << check.dump();
  EXPECT_NE(check["faults"][0].get<std::string>().find("did not end in time: killed"),
            std::string::npos)
      << check.dump();
}

TEST(ValidateHost, BadOptionsAndUnknownChecksAreUsageErrors) {
  for (const std::vector<std::string> &args : {std::vector<std::string>{"--jobs", "0"},
                                               {"--timeout", "soon"},
                                               {"--check", "no such check"},
                                               {"/no/such/script.zvs"}}) {
    zvtest::HostRun run = Validate(zvtest::ModuleInUse(), args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_NE(run.errors.find("validate"), std::string::npos) << run.errors;
  }
}

}  // namespace
