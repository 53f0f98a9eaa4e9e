// Documents through the built zarvel-host, as a user's script uses them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

std::string Example(const char *name) {
  return std::string(ZARVEL_SOURCE_DIR) + "/examples/" + name;
}

TEST(DocumentHost, TheTourDocumentOpensDumpsAndSavesAsItStands) {
  const zvtest::TempFolder temp;
  const std::string saved = temp.PathOf("tour.json");
  zvtest::HostRun run = zvtest::RunHost("open " + Example("tour.json") +
                                        "\nselect art 3\ndump doc\nsave " + saved + "\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  auto docs = run.OfKind("doc");
  ASSERT_EQ(docs.size(), 1u);
  EXPECT_EQ(docs[0]["selection"], nlohmann::ordered_json::parse(R"({"art":[3]})"));
  EXPECT_EQ(docs[0]["stories"].size(), 3u);
  EXPECT_EQ(zvtest::ReadFileText(saved), zvtest::ReadFileText(Example("tour.json")));
}

TEST(DocumentHost, ABadDocumentStopsTheScriptAtItsLineWithExitStatus2) {
  const zvtest::TempFolder temp;
  const std::string bad =
      temp.Write("bad.json", R"({"format": "zarvel-document/1", "stories": [{"paragraphs": [
        {"text": "ab"}, {"text": "abcdef", "runs": [{"length": 7}]}]}],
        "art": [{"kind": "text", "story": 0}]})");
  zvtest::HostRun run = zvtest::RunHost("new\nopen " + bad + "\ndump doc\n");
  EXPECT_EQ(run.status, 2);
  auto errors = run.OfKind("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["line"], 2);
  EXPECT_EQ(errors[0]["reason"], "cannot open " + bad +
                                     ": stories[0].paragraphs[1].runs: lengths add up to 7, "
                                     "text has 6");
  EXPECT_TRUE(run.OfKind("doc").empty()) << "the script stops at the bad line";
}

TEST(DocumentHost, StrictModeFindsNothingInASessionOverTheExamples) {
  zvtest::HostRun run = zvtest::RunHost(
      "open " + Example("persian-poem.json") + "\nopen " + Example("arabic-diacritics.json") +
          "\nmenu \"Window Utilities/Zarvel/Zarvel\"\nselect art 1 2\nselect text 0 2 9\n"
          "close\nselect art 0 1 2\ndump refs\n",
      {"--strict"});
  EXPECT_EQ(run.status, 0) << run.errors;
  auto refs = run.OfKind("refs");
  ASSERT_EQ(refs.size(), 1u);
  for (const auto &[kind, live] : refs[0]["live"].items()) EXPECT_EQ(live, 0) << kind;
  EXPECT_TRUE(run.OfKind("misuse").empty());
  EXPECT_TRUE(run.OfKind("leaks").empty());
}

TEST(DocumentHost, CommandListHasEveryScriptCommandOnce) {
  const zvtest::HostRun run = zvtest::RunHostRaw({"--list-commands"});
  ASSERT_EQ(run.status, 0);
  // The usage lines stand under the group headings, indented by two blanks.
  std::vector<std::string> usages;
  for (const auto &line : run.OfKind("text")) {
    const std::string text = line["text"].get<std::string>();
    if (text.starts_with("  ") && text[2] != ' ') usages.push_back(text.substr(2));
  }
  std::vector<std::string> selects;
  for (const std::string &usage : usages) {
    if (usage.starts_with("select")) selects.push_back(usage);
    EXPECT_EQ(std::count(usages.begin(), usages.end(), usage), 1) << usage;
  }
  EXPECT_EQ(selects, (std::vector<std::string>{"select art I [J ...]",
                                               "select text S FROM TO | select text S TEXT [N]",
                                               "select none"}));
}

}  // namespace
