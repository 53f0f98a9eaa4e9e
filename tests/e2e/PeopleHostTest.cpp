// The host as a person meets it: output written for reading, errors and refusals on standard
// error, help that names the wrong word, a command line with the usual habits, text selected
// by what it says, and exit statuses that a CI job can rely on.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"
#include "support/TourScript.h"

namespace {

const char *const kShowPanel = "menu \"Window Utilities/Zarvel/Zarvel\"\n";

// Runs `script` without --json, as a person does.
zvtest::HostRun RunForPeople(const std::string &script, std::vector<std::string> args = {}) {
  const zvtest::TempFolder folder;
  std::vector<std::string> all = {"--plugin", zvtest::ModuleInUse()};
  all.insert(all.end(), args.begin(), args.end());
  all.push_back(folder.Write("script.zvs", script));
  return zvtest::RunHostRaw(all);
}

std::string Stdout(const zvtest::HostRun &run) {
  std::string text;
  for (const auto &line : run.lines) text += line.value("text", line.dump()) + "\n";
  return text;
}

std::string Examples() {
  return std::string(ZARVEL_SOURCE_DIR) + "/examples/";
}

TEST(PeopleHost, ThePanelReadsAsLabelledLinesAndEachActionSaysWhatItChanged) {
  const zvtest::HostRun run = RunForPeople("open " + Examples() + "tour.json\n" + kShowPanel +
                                           "select text 1 \"۱۲۳\"\n"
                                           "panel choose Digits Hindi\n"
                                           "panel choose Digts Hindi\n"
                                           "dump panel\n"
                                           "select art 0 2\n"
                                           "dump panel\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string out = Stdout(run);
  EXPECT_NE(out.find("\nDigits: Farsi -> Hindi\n"), std::string::npos) << out;
  EXPECT_TRUE(std::regex_search(out, std::regex("\n  Digits +Hindi\n"))) << out;
  // The kashidas box is off for whole frames of more than one story.
  EXPECT_TRUE(std::regex_search(out, std::regex("\n  Kashidas +\\[x\\]  \\(off\\)\n"))) << out;
  EXPECT_NE(out.find("notified: selection changed"), std::string::npos) << out;
  EXPECT_NE(out.find("notified: document opened"), std::string::npos) << out;
  // Refusals go to standard error, with the control the user probably meant.
  EXPECT_EQ(out.find("refused:"), std::string::npos) << out;
  EXPECT_NE(run.errors.find("refused: the panel has no control 'Digts' (did you mean 'Digits'?)"),
            std::string::npos)
      << run.errors;
  EXPECT_NE(out.find("8 actions, 1 refused, 0 plug-in errors"), std::string::npos) << out;
}

// The demo shows what the panel does: each of its choices changes the value it chooses, and
// together they reach every list and the check box that act on the page.
TEST(PeopleHost, EveryChoiceOfTheTourChangesWhatItChooses) {
  const zvtest::TempFolder out;
  std::string script = zvtest::TourScript(out);
  ASSERT_FALSE(script.empty());
  // The Windows host composes nothing and refuses the page's commands, which are not the
  // panel's choices: they are left out there.
  if (zvtest::WindowsHost()) {
    script = std::regex_replace(script, std::regex("(^|\n)(snapshot doc|dump layout)[^\n]*"), "");
  }
  const zvtest::HostRun run = zvtest::RunHost(script, {"--strict-actions"});
  ASSERT_EQ(run.status, 0) << run.errors;
  std::set<std::string> changed;
  for (const auto &change : run.OfKind("change")) {
    EXPECT_NE(change["from"], change["to"]) << change.dump();
    changed.insert(change["control"].get<std::string>());
  }
  EXPECT_EQ(changed,
            (std::set<std::string>{"Composer", "Paragraph Direction", "Justification", "Digits",
                                   "Diacritics Position", "Story Direction", "Kashidas"}));
}

TEST(PeopleHost, TheDocumentIsACompactTableOfFramesParagraphsAndRuns) {
  const zvtest::HostRun run = RunForPeople("open " + Examples() +
                                           "tour.json\nselect art 0\n"
                                           "dump doc\ndump text 1\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string out = Stdout(run);
  EXPECT_NE(out.find("document: 3 stories, "), std::string::npos) << out;
  EXPECT_NE(out.find("selected: art 0"), std::string::npos) << out;
  EXPECT_TRUE(std::regex_search(out, std::regex("\n  0/0 +\\[0, 26\\) "))) << out;
  EXPECT_NE(out.find("\"زارفل: لوحة النصوص العرب...\""), std::string::npos) << out;
  // dump text gives each word its positions.
  EXPECT_NE(out.find("story 1\n  paragraph [0, "), std::string::npos) << out;
  EXPECT_TRUE(std::regex_search(out, std::regex("\n    \\[51, 54\\) +۱۲۳\n"))) << out;
}

TEST(PeopleHost, JsonKeepsEveryFactAndAddsTheLabels) {
  const zvtest::HostRun run = zvtest::RunHost("new\n" + std::string(kShowPanel) + "dump panel\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  const auto panels = run.OfKind("panel");
  ASSERT_EQ(panels.size(), 1u);
  std::vector<std::string> labels;
  for (const auto &item : panels[0]["items"]) labels.push_back(item["label"]);
  EXPECT_EQ(labels, (std::vector<std::string>{
                        "Composer", "Character Direction", "Paragraph Direction", "Justification",
                        "Digits", "Diacritics Position", "X", "Y", "Story Direction", "Kashidas"}));
  const auto notified = run.OfKind("message");
  EXPECT_TRUE(std::any_of(notified.begin(), notified.end(), [](const auto &message) {
    return message.value("notifier", "") == "AI Document New Notifier";
  }));
}

TEST(PeopleHost, SelectingTextByWhatItSaysPicksTheNthOccurrence) {
  struct Case {
    std::string line;
    int from, to;
  };
  const Case cases[] = {
      {"select text 1 \"۱۲۳\"", 51, 54},
      {"select text 0 ،", 65, 66},
      {"select text 0 1250", 54, 58},
  };
  for (const Case &c : cases) {
    const zvtest::HostRun run =
        zvtest::RunHost("open " + Examples() + "tour.json\n" + c.line + "\ndump doc\n");
    ASSERT_EQ(run.status, 0) << c.line << run.errors;
    const auto docs = run.OfKind("doc");
    ASSERT_EQ(docs.size(), 1u);
    const auto &text = docs[0]["selection"]["text"];
    EXPECT_EQ(text["from"], c.from) << c.line;
    EXPECT_EQ(text["to"], c.to) << c.line;
  }
  const zvtest::HostRun missing =
      zvtest::RunHost("open " + Examples() + "tour.json\nselect text 1 \"۱۲۳\" 5\n");
  EXPECT_EQ(missing.status, 2);
  ASSERT_EQ(missing.OfKind("error").size(), 1u);
  EXPECT_EQ(missing.OfKind("error")[0]["reason"],
            "select text: story 1 holds \"۱۲۳\" 1 time(s); N counts from 0");
}

TEST(PeopleHost, AHiddenPanelRefusesUserActionsUntilItIsShown) {
  const zvtest::HostRun run = zvtest::RunHost(
      "new\nselect none\n"
      "panel click Kashidas\n"
      "panel menu 0\n"
      "panel place 10 10 300 300\n" +
      std::string(kShowPanel) + "dump panel\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  const auto refused = run.OfKind("refused");
  ASSERT_EQ(refused.size(), 2u);
  for (const auto &line : refused) {
    EXPECT_TRUE(line["reason"].get<std::string>().starts_with("the panel is hidden")) << line;
  }
  EXPECT_TRUE(run.OfKind("change").empty());
}

TEST(PeopleHost, StrictActionsFailARunWithRefusalsOrPluginErrorsButNotExpectedOnes) {
  struct Case {
    std::string script;
    std::vector<std::string> args;
    int status;
    int refused, expected, pluginErrors;
  };
  const std::string refusal = "panel choose Digits Klingon\n";
  const Case cases[] = {
      {refusal, {}, 0, 1, 0, 0},
      {refusal, {"--strict-actions"}, 5, 1, 0, 0},
      {"expect refused " + refusal, {"--strict-actions"}, 0, 1, 1, 0},
      {"expect refused panel choose Digits Farsi\n", {"--strict-actions"}, 2, 0, 0, 0},
      {"", {"--strict-actions", "--fail", "AI Notifier Suite/AddNotifier:NESS:0"}, 5, 0, 0, 1},
  };
  for (const Case &c : cases) {
    const zvtest::HostRun run =
        zvtest::RunHost("new\n" + std::string(kShowPanel) + "select none\n" + c.script, c.args);
    EXPECT_EQ(run.status, c.status) << c.script << run.errors;
    const auto tallies = run.OfKind("tally");
    ASSERT_EQ(tallies.size(), 1u) << c.script;
    EXPECT_EQ(tallies[0]["refused"], c.refused) << c.script;
    EXPECT_EQ(tallies[0]["expectedRefusals"], c.expected) << c.script;
    EXPECT_GE(tallies[0]["pluginErrors"], c.pluginErrors) << c.script;
  }
}

TEST(PeopleHost, HostCodesReadAsNumberAndFourCharacters) {
  const zvtest::HostRun run =
      RunForPeople("new\n", {"--fail", "AI Notifier Suite/AddNotifier:NESS:0"});
  EXPECT_NE(Stdout(run).find("Startup -> 1313166163 'NESS'"), std::string::npos)
      << Stdout(run) << run.errors;
}

TEST(PeopleHost, MistakesNameTheWrongWordAndTheLikelyRightOne) {
  struct Case {
    const char *line;
    const char *reason;
  };
  const Case cases[] = {
      {"dump pnael", "dump: unknown word 'pnael' (did you mean 'panel'?); usage: "},
      {"slect none", "unknown command 'slect' (did you mean 'select'?)"},
      {"help slect", "help: unknown command 'slect' (did you mean 'select'?)"},
      {"fail \"AI Art Set Suite/NewArtSett:1\"",
       "unknown operation 'AI Art Set Suite/NewArtSett' (did you mean "
       "'AI Art Set Suite/NewArtSet'?)"},
  };
  for (const Case &c : cases) {
    const zvtest::HostRun run = zvtest::RunHost(std::string("new\n") + c.line + "\n");
    EXPECT_EQ(run.status, 2) << c.line;
    ASSERT_EQ(run.OfKind("error").size(), 1u) << c.line;
    const std::string reason = run.OfKind("error")[0]["reason"];
    EXPECT_TRUE(reason.starts_with(c.reason)) << reason;
  }
}

TEST(PeopleHost, HelpGroupsTheCommandsAndExplainsOne) {
  const zvtest::HostRun run = zvtest::RunHost("help\nhelp select text\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  const auto notes = run.OfKind("note");
  ASSERT_EQ(notes.size(), 2u);
  const std::string all = notes[0]["text"];
  std::vector<size_t> headings;
  for (const char *heading :
       {"Documents:", "Selection:", "Panel:", "Menus:", "State:", "Session:"}) {
    headings.push_back(all.find(heading));
    EXPECT_NE(headings.back(), std::string::npos) << heading;
  }
  EXPECT_TRUE(std::is_sorted(headings.begin(), headings.end()));
  EXPECT_NE(all.find("  quit\n"), std::string::npos);
  EXPECT_NE(all.find("  expect refused COMMAND ...\n"), std::string::npos);
  EXPECT_TRUE(std::string(notes[1]["text"]).starts_with("  select text S FROM TO"));
}

TEST(PeopleHost, TheCommandLineKeepsTheUsualHabits) {
  const zvtest::TempFolder folder;
  const std::string script = folder.Write("-script.zvs", "new\n");
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string shown;  // on standard output, or on standard error for a failure
  };
  const Case cases[] = {
      {{"-V"}, 0, "zarvel-host "},
      {{"--version"}, 0, "zarvel-host "},
      {{"--json", "--plugin=" + zvtest::ModuleInUse(), "--", script}, 0, "\"kind\":\"tally\""},
      {{"--list-operations"}, 0, "AI Document Suite/GetTextSelection"},
      {{"--jsn"}, 2, "--jsn"},
      {{"--prefs"}, 2, "--prefs"},
      {{"inspect"}, 2, "MODULE"},
  };
  for (const Case &c : cases) {
    const zvtest::HostRun run = zvtest::RunHostRaw(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0];
    std::string out;
    for (const auto &line : run.lines) out += line.value("text", line.dump()) + "\n";
    EXPECT_NE((c.status == 0 ? out : run.errors).find(c.shown), std::string::npos)
        << c.args[0] << ": " << out << run.errors;
  }
  const zvtest::HostRun help = zvtest::RunHostRaw({"--help"});
  ASSERT_EQ(help.status, 0);
  std::string text;
  for (const auto &line : help.lines) text += line.value("text", "") + "\n";
  EXPECT_LT(help.lines.size(), 60u) << "the operations have their own option";
  for (const char *option : {"--plugin", "--json", "--prefs", "--missing-suite", "--fail",
                             "--strict", "--strict-actions", "--list-operations", "inspect"}) {
    EXPECT_NE(text.find(option), std::string::npos) << option;
  }
}

TEST(PeopleHost, SnapshotsClipTextToItsControlAndDrawModalDialogs) {
  const zvtest::TempFolder folder;
  const std::string panel = folder.PathOf("panel.svg");
  const std::string about = folder.PathOf("about.svg");
  const zvtest::HostRun run = zvtest::RunHost("new\n" + std::string(kShowPanel) + "snapshot " +
                                              panel + "\nexpect refused snapshot modal " + about +
                                              "\nabout\nsnapshot modal " + about + "\n");
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string svg = zvtest::ReadFileText(panel);
  const std::regex label("<text [^>]*clip-path=\"url\\(#clip[0-9]+\\)\">Paragraph Direction<");
  EXPECT_TRUE(std::regex_search(svg, label)) << svg.substr(0, 2000);
  const std::string modal = zvtest::ReadFileText(about);
  EXPECT_NE(modal.find("<title>About Zarvel</title>"), std::string::npos) << modal.substr(0, 500);
}

}  // namespace
