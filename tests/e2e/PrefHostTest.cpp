// The preferences file through the built host and module.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

using Json = nlohmann::ordered_json;

Json ReadJson(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return Json::parse(text.str());
}

TEST(PrefHost, ThePanelsPlacementSurvivesFromOneRunToTheNext) {
  const zvtest::TempFolder temp;
  const std::string prefs = temp.Write("prefs.json", R"({"Kept": {"k": [1, 2]}})");
  zvtest::HostRun first = zvtest::RunHost(
      "menu \"Window Utilities/Zarvel/Zarvel\"\npanel place 100 120 291 330\n", {"--prefs", prefs});
  ASSERT_EQ(first.status, 0) << first.errors;
  const Json written = ReadJson(prefs);
  EXPECT_EQ(written, Json::parse(R"({
    "Kept": {"k": [1, 2]},
    "ZarvelNonModalDialog": {"kADM_DPDockCodeStr": 0, "kADM_DPDockGroupStr": "",
      "kADM_DPLocationStr": [100, 120], "kADM_DPSizeStr": [291, 330],
      "kADM_DPVisibleStr": true}})"));

  // The next run starts from what the first one wrote.
  zvtest::HostRun second = zvtest::RunHost("dump prefs\n", {"--prefs", prefs});
  ASSERT_EQ(second.status, 0) << second.errors;
  auto dumps = second.OfKind("prefs");
  ASSERT_EQ(dumps.size(), 1u);
  EXPECT_EQ(dumps[0]["prefs"], written);
}

TEST(PrefHost, ADamagedFileIsABadUsageThatNamesThePlace) {
  const std::string contents = R"({"ZarvelNonModalDialog": {"kADM_DPSizeStr": [291]}})";
  const zvtest::TempFolder temp;
  const std::string prefs = temp.Write("prefs.json", contents);
  zvtest::HostRun run = zvtest::RunHost("dump prefs\n", {"--prefs", prefs});
  EXPECT_EQ(run.status, 2);
  auto errors = run.OfKind("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["reason"],
            prefs + ": ZarvelNonModalDialog.kADM_DPSizeStr: expected [horizontal, vertical]");
  EXPECT_TRUE(run.OfKind("message").empty()) << "the module is not started";
  EXPECT_EQ(zvtest::ReadFileText(prefs), contents);
}

}  // namespace
