// How zarvel-host takes its script and ends its session: standard input that is no terminal
// is a script, a byte order mark is no command, a bad file stops the script at its line with
// the session ended as always, and a suite or operation the host does not have is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

// The selectors of the messages the host sent, in order.
std::vector<std::string> Selectors(const zvtest::HostRun &run) {
  std::vector<std::string> selectors;
  for (const auto &message : run.OfKind("message")) selectors.push_back(message["selector"]);
  return selectors;
}

bool EndedAsASessionEnds(const zvtest::HostRun &run) {
  std::vector<std::string> selectors = Selectors(run);
  return selectors.size() >= 2 && selectors[selectors.size() - 2] == "Shutdown" &&
         selectors.back() == "Unload";
}

TEST(ScriptSession, InputFromAPipeIsAScriptThatStopsAtItsFirstError) {
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{}, std::vector<std::string>{"-"}}) {
    zvtest::HostRun run = zvtest::RunHostOnInput("new\nselect art zero\ndump doc\n", args);
    EXPECT_EQ(run.status, 2) << run.errors;
    const auto errors = run.OfKind("error");
    ASSERT_EQ(errors.size(), 1u) << run.errors;
    EXPECT_EQ(errors[0]["line"], 2);
    EXPECT_TRUE(run.OfKind("doc").empty()) << "the script stops at its bad line";
    EXPECT_EQ(run.errors.find("zarvel>"), std::string::npos) << "no prompt for a script";
    EXPECT_TRUE(EndedAsASessionEnds(run));
  }
}

TEST(ScriptSession, AByteOrderMarkBeforeTheFirstCommandIsPassedOver) {
  zvtest::HostRun file = zvtest::RunHost("\xEF\xBB\xBFnew\ndump doc\n");
  zvtest::HostRun piped = zvtest::RunHostOnInput("\xEF\xBB\xBF# a comment\nnew\ndump doc\n");
  for (const zvtest::HostRun &run : {file, piped}) {
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(run.OfKind("error").empty()) << run.errors;
    EXPECT_EQ(run.OfKind("doc").size(), 1u);
  }
}

TEST(ScriptSession, ANumberTooLargeForADoubleIsABadFileAndTheSessionEndsAsAlways) {
  const std::string tooLarge[] = {"1e999", "-" + std::string(400, '9')};
  for (const std::string &number : tooLarge) {
    const zvtest::TempFolder temp;
    const std::string document =
        temp.Write("big.json", R"({"format": "zarvel-document/1", "stories": [{"paragraphs": [
          {"text": "abc", "runs": [{"length": 3, "diacXOffset": )" +
                                   number + R"(}]}]}], "art": [{"kind": "text", "story": 0}]})");
    const std::string prefs = temp.Write("prefs.json", "{}");
    zvtest::HostRun run = zvtest::RunHost("new\nopen " + document + "\n", {"--prefs", prefs});
    EXPECT_EQ(run.status, 2) << run.errors;
    const auto errors = run.OfKind("error");
    ASSERT_EQ(errors.size(), 1u) << run.errors;
    EXPECT_EQ(errors[0]["line"], 2);
    EXPECT_EQ(errors[0]["reason"].get<std::string>().rfind(
                  "cannot open " + document +
                      ": stories[0].paragraphs[0].runs[0].diacXOffset: number overflow",
                  0),
              0u)
        << errors[0]["reason"];
    EXPECT_TRUE(EndedAsASessionEnds(run));
    EXPECT_NE(zvtest::ReadFileText(prefs).find("ZarvelNonModalDialog"), std::string::npos)
        << "the preferences are written at the end";
  }
}

TEST(ScriptSession, SuitesAndOperationsTheHostDoesNotHaveAreRefusedAlike) {
  struct Case {
    std::vector<std::string> args;
    std::string reason;
  };
  const Case cases[] = {
      {{"--missing-suite", "AI Art Set Suite:7"},
       "missing suite 'AI Art Set Suite:7': unknown suite 'AI Art Set Suite:7' "
       "(did you mean 'AI Art Set Suite:6'?) (zarvel-host --list-suites lists them)"},
      {{"--missing-suite", "AI Art Sett Suite:6"},
       "missing suite 'AI Art Sett Suite:6': unknown suite 'AI Art Sett Suite:6' "
       "(did you mean 'AI Art Set Suite:6'?) (zarvel-host --list-suites lists them)"},
      {{"--fail", "AI Art Set Suite/NewArtSett:1"},
       "failure 'AI Art Set Suite/NewArtSett:1': unknown operation "
       "'AI Art Set Suite/NewArtSett' (did you mean 'AI Art Set Suite/NewArtSet'?) "
       "(zarvel-host --list-operations lists them)"},
  };
  for (const Case &c : cases) {
    zvtest::HostRun run = zvtest::RunHost("new\n", c.args);
    EXPECT_EQ(run.status, 2) << c.args[1];
    const auto errors = run.OfKind("error");
    ASSERT_EQ(errors.size(), 1u) << c.args[1];
    EXPECT_EQ(errors[0]["reason"], c.reason);
    EXPECT_TRUE(run.OfKind("message").empty()) << "refused before the module is loaded";
  }
  bool listed = false;
  for (const auto &line : zvtest::RunHostRaw({"--list-suites"}).OfKind("text")) {
    listed = listed || line["text"] == "AI Art Set Suite:6";
  }
  EXPECT_TRUE(listed) << "--list-suites lists the suites that --missing-suite takes";
  zvtest::HostRun offered = zvtest::RunHost("new\n", {"--missing-suite", "AI Art Set Suite:6"});
  EXPECT_EQ(offered.status, 0) << offered.errors;
}

}  // namespace
