// A user's session with the panel, run through the built zarvel-host and module: the panel
// follows the selection, a choice changes the saved document, and the panel's placement is
// in the preferences file when the host has quit.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <nlohmann/json.hpp>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"
#include "support/TwoRunDocument.h"

namespace {

using Json = nlohmann::ordered_json;

const char *const kDocument = zvtest::kTwoRunDocument;

Json ReadJson(const std::string &path) {
  std::ifstream in(path);
  return Json::parse(in, nullptr, false);
}

// The text that control `id` shows in a panel line.
std::string Shown(const Json &panel, int id) {
  for (const Json &item : panel["items"]) {
    if (item["id"] == id) return item["text"].is_null() ? "" : item["text"].get<std::string>();
  }
  return "missing";
}

TEST(PanelSession, FollowsTheSelectionWritesTheDocumentAndStoresItsPlacement) {
  const zvtest::TempFolder temp;
  const std::string document = temp.Write("document.json", kDocument);
  const std::string saved = temp.PathOf("saved.json");
  const std::string prefs = temp.Write("prefs.json", "{}");
  const zvtest::HostRun run = zvtest::RunHost("open " + document +
                                                  "\n"
                                                  "menu \"Window Utilities/Zarvel/Zarvel\"\n"
                                                  "select text 0 0 6\n"
                                                  "dump panel\n"
                                                  "select text 0 0 3\n"
                                                  "dump panel\n"
                                                  "panel choose Digits Farsi\n"
                                                  "save " +
                                                  saved +
                                                  "\n"
                                                  "panel dock Tools 2\n"
                                                  "panel place 40 50 291 330\n",
                                              {"--prefs", prefs});
  ASSERT_EQ(run.status, 0) << run.errors;

  const auto panels = run.OfKind("panel");
  ASSERT_EQ(panels.size(), 2u);
  EXPECT_TRUE(panels[0].value("visible", false));
  EXPECT_EQ(Shown(panels[0], 9), "Multiple");
  EXPECT_EQ(Shown(panels[1], 9), "Arabic");
  EXPECT_TRUE(run.OfKind("refused").empty());

  const Json runs = ReadJson(saved)["stories"][0]["paragraphs"][0]["runs"];
  ASSERT_TRUE(runs.is_array()) << ReadJson(saved).dump();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0]["length"], 3);
  EXPECT_EQ(runs[0]["digitSet"], 3);
  EXPECT_EQ(runs[1]["digitSet"], 2);

  const Json placement = ReadJson(prefs)["ZarvelNonModalDialog"];
  EXPECT_EQ(placement["kADM_DPDockCodeStr"], 2);
  EXPECT_EQ(placement["kADM_DPDockGroupStr"], "Tools");
  EXPECT_EQ(placement["kADM_DPLocationStr"], Json::array({40, 50}));
  EXPECT_EQ(placement["kADM_DPSizeStr"], Json::array({291, 330}));
  EXPECT_EQ(placement["kADM_DPVisibleStr"], true);
}

}  // namespace
