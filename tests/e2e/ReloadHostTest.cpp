// Unloading and reloading the built module through the built host, as a real host does: the
// module may come back at another address each time (with --reload-elsewhere it always
// does), the procedures it handed the dialog manager are found again wherever it is, the
// panel goes on working, and nothing is misused or left behind under --strict, whether the
// script ends with the module loaded or unloaded.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/HostProcess.h"
#include "support/TempFolder.h"
#include "support/TourScript.h"
#include "support/TwoRunDocument.h"

namespace {

using Json = nlohmann::ordered_json;

const char *const kDocument = zvtest::kTwoRunDocument;

constexpr int kRounds = 100;

// The text that control `id` shows in a panel line.
std::string Shown(const Json &panel, int id) {
  for (const Json &item : panel["items"]) {
    if (item["id"] == id) return item["text"].is_null() ? "" : item["text"].get<std::string>();
  }
  return "missing";
}

// What --strict and the host's own checks found: misuse, leaks and errors, one line each.
std::string Findings(const zvtest::HostRun &run) {
  std::string found;
  for (const char *kind : {"misuse", "leaks", "error"}) {
    for (const Json &line : run.OfKind(kind)) found += line.dump() + "\n";
  }
  return found;
}

// Every message the host sent was answered with 0.
void ExpectEveryMessageAnsweredZero(const zvtest::HostRun &run) {
  for (const Json &message : run.OfKind("message")) {
    EXPECT_EQ(message["result"], 0) << message.dump();
  }
}

// The selectors of the messages the host sent, in order.
std::vector<std::string> Selectors(const zvtest::HostRun &run) {
  std::vector<std::string> selectors;
  for (const Json &message : run.OfKind("message")) {
    selectors.push_back(message["selector"].get<std::string>());
  }
  return selectors;
}

// A hundred unloads and reloads with the panel shown and the About box between: the module
// comes back every time, its procedures are called wherever it now is (the About box's init
// and OK procedures, the panel's draw and item procedures), and the panel still writes the
// document at the end.
void RunHundredRounds(const std::vector<std::string> &args, bool alwaysElsewhere) {
  const zvtest::TempFolder temp;
  const std::string document = temp.Write("document.json", kDocument);
  std::string script = "open " + document +
                       "\n"
                       "menu \"Window Utilities/Zarvel/Zarvel\"\n"
                       "select text 0 0 3\n";
  for (int round = 0; round < kRounds; ++round) {
    script += "unload\nreload\nabout\n";
    // Every tenth round the panel is used and drawn too.
    if (round % 10 == 9) {
      script += std::string("panel choose Digits ") + (round % 20 == 9 ? "Farsi" : "Arabic") + "\n";
    }
  }
  script += "dump panel\nsnapshot " + temp.PathOf("panel.svg") + "\n";
  const zvtest::HostRun run = zvtest::RunHost(script, args);

  ASSERT_EQ(run.status, 0) << Findings(run) << run.errors;
  EXPECT_EQ(Findings(run), "");
  EXPECT_TRUE(run.OfKind("refused").empty());
  ExpectEveryMessageAnsweredZero(run);

  int reloads = 0;
  for (const std::string &selector : Selectors(run)) reloads += selector == "Reload" ? 1 : 0;
  EXPECT_EQ(reloads, kRounds);
  // The About box's init procedure named its item 90 and its OK procedure ended the run.
  const auto modals = run.OfKind("modal");
  ASSERT_EQ(modals.size(), static_cast<size_t>(kRounds));
  for (const Json &modal : modals) {
    EXPECT_EQ(modal["name"], "About Dialog");
    EXPECT_EQ(modal["items"], Json::parse(R"([{"id":1,"text":"OK"},{"id":90}])"));
  }
  // With --reload-elsewhere each reload says where the module came back; without, none does.
  std::vector<std::string> placements;
  for (const Json &note : run.OfKind("note")) {
    const std::string text = note["text"];
    if (text.find("the module") != std::string::npos) placements.push_back(text);
  }
  EXPECT_EQ(placements, std::vector<std::string>(
                            alwaysElsewhere ? kRounds : 0,
                            "the module came back at another address (its old one was held)"));

  const auto panels = run.OfKind("panel");
  ASSERT_EQ(panels.size(), 1u);
  EXPECT_TRUE(panels[0].value("visible", false));
  // The last choice (round 100: Arabic) reached the selected runs, and the panel read it back.
  EXPECT_EQ(Shown(panels[0], 9), "Arabic");
}

TEST(ReloadHost, AHundredReloadsWithThePanelShownWhereverTheLoaderPlacesTheModule) {
  RunHundredRounds({"--strict"}, false);
}

TEST(ReloadHost, AHundredReloadsWithThePanelShownWhenTheModuleAlwaysComesBackElsewhere) {
  RunHundredRounds({"--strict", "--reload-elsewhere"}, true);
}

TEST(ReloadHost, UnloadAndReloadAsAWholeScriptFindNothingUnderStrict) {
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"--strict"},
        std::vector<std::string>{"--strict", "--reload-elsewhere"}}) {
    SCOPED_TRACE(args.back());
    const zvtest::HostRun run = zvtest::RunHost("unload\nreload\n", args);
    EXPECT_EQ(run.status, 0) << Findings(run) << run.errors;
    EXPECT_EQ(Findings(run), "");
    ExpectEveryMessageAnsweredZero(run);
    EXPECT_EQ(Selectors(run),
              (std::vector<std::string>{"Startup", "Unload", "Reload", "Shutdown", "Unload"}));
  }
}

TEST(ReloadHost, AScriptThatEndsWithTheModuleUnloadedIsShutDownAndLeavesNothing) {
  const zvtest::TempFolder temp;
  const std::string document = temp.Write("document.json", kDocument);
  const std::string prefs = temp.Write("prefs.json", "{}");
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{"--strict", "--prefs", prefs},
        std::vector<std::string>{"--strict", "--prefs", prefs, "--reload-elsewhere"}}) {
    SCOPED_TRACE(args.back());
    const zvtest::HostRun run = zvtest::RunHost("open " + document +
                                                    "\n"
                                                    "menu \"Window Utilities/Zarvel/Zarvel\"\n"
                                                    "panel place 40 50 291 330\n"
                                                    "unload\n",
                                                args);
    EXPECT_EQ(run.status, 0) << Findings(run) << run.errors;
    EXPECT_EQ(Findings(run), "");
    ExpectEveryMessageAnsweredZero(run);
    // Brought back to hear "Shutdown", as a real host does when it quits.
    const std::vector<std::string> selectors = Selectors(run);
    ASSERT_GE(selectors.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(selectors.end() - 4, selectors.end()),
              (std::vector<std::string>{"Unload", "Reload", "Shutdown", "Unload"}));
    // The panel's destroy procedure ran before any message had come since the reload, and
    // stored where the panel stood.
    std::ifstream in(prefs);
    const Json placement = Json::parse(in, nullptr, false)["ZarvelNonModalDialog"];
    EXPECT_EQ(placement["kADM_DPLocationStr"], Json::array({40, 50}));
    EXPECT_EQ(placement["kADM_DPVisibleStr"], true);
  }
}

TEST(ReloadHost, AnUnloadedModuleIsRefusedWhatNeedsIt) {
  const zvtest::HostRun run =
      zvtest::RunHost("unload\nunload\nabout\nreload\nreload\n", {"--strict"});
  EXPECT_EQ(run.status, 0) << Findings(run) << run.errors;
  std::vector<std::string> reasons;
  for (const Json &refused : run.OfKind("refused")) reasons.push_back(refused["reason"]);
  EXPECT_EQ(reasons, (std::vector<std::string>{"the module is unloaded already",
                                               "the module is unloaded", "the module is loaded"}));
}

TEST(ReloadHost, TheTourWithTheDialogsUserDataFailingMisusesNoDialog) {
  const zvtest::TempFolder out;
  const std::string script = zvtest::TourScript(out);
  ASSERT_FALSE(script.empty());
  for (const char *failure :
       {"ADM Dialog Suite/GetUserData:-108", "ADM Dialog Suite/GetUserData:-108:0"}) {
    SCOPED_TRACE(failure);
    const zvtest::HostRun run = zvtest::RunHost(script, {"--strict", "--fail", failure});
    EXPECT_TRUE(run.OfKind("misuse").empty()) << Findings(run);
    EXPECT_TRUE(run.OfKind("leaks").empty()) << Findings(run);
    EXPECT_EQ(run.status, 0) << Findings(run) << run.errors;
  }
}

TEST(ReloadHost, TheTourWithAReloadAtEveryStepPrintsWhatItPrintsWithout) {
  const zvtest::TempFolder out;
  const std::string script = zvtest::TourScript(out);
  ASSERT_FALSE(script.empty());
  std::string reloading;
  for (size_t start = 0; start < script.size();) {
    const size_t end = script.find('\n', start);
    const std::string line = script.substr(start, end - start);
    reloading += line + "\n";
    if (!line.empty() && line[0] != '#') reloading += "unload\nreload\n";
    start = end == std::string::npos ? script.size() : end + 1;
  }
  const zvtest::HostRun plain = zvtest::RunHost(script, {"--strict"});
  const zvtest::HostRun reloaded = zvtest::RunHost(reloading, {"--strict", "--reload-elsewhere"});
  ASSERT_EQ(plain.status, 0) << Findings(plain) << plain.errors;
  ASSERT_EQ(reloaded.status, 0) << Findings(reloaded) << reloaded.errors;
  // Everything but the messages and notes of the reloads, and the tally that counts them,
  // is the same.
  auto without = [](const zvtest::HostRun &run) {
    std::vector<Json> kept;
    for (const Json &line : run.lines) {
      const std::string kind = line.value("kind", "");
      if (kind == "note" || kind == "tally") continue;
      if (kind == "message" && line["caller"] == "SP Access") continue;
      kept.push_back(line);
    }
    return kept;
  };
  EXPECT_EQ(without(reloaded), without(plain));
}

}  // namespace
