// The panel through the built host and module, as a user's script drives it: choices and
// refusals, the About box from the flyout menu, a snapshot a person can look at, and a
// script that names a line the host cannot carry out.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

using zvtest::RunHost;

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(AdmPanelHost, AUserSessionChoosesIsRefusedOpensTheAboutBoxAndDrawsThePanel) {
  const zvtest::TempFolder temp;
  const std::string picture = temp.PathOf("panel.svg");
  zvtest::HostRun run = RunHost(
      "new\n"
      "menu \"Window Utilities/Zarvel/Zarvel\"\n"
      "panel choose Digits Hindi\n"
      "panel type X 12.5\n"
      "panel choose \"Paragraph Direction\" Sideways\n"
      "panel menu \"About Zarvel Panel...\"\n"
      "snapshot " +
      picture +
      "\n"
      "dump panel\n");
  ASSERT_EQ(run.status, 0) << run.errors;

  const auto refused = run.OfKind("refused");
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0]["reason"].get<std::string>().rfind(
                "Paragraph Direction (item 7) has no entry 'Sideways'", 0),
            0u);
  const auto modal = run.OfKind("modal");
  ASSERT_EQ(modal.size(), 1u);
  EXPECT_EQ(modal[0]["items"][1]["picture"], 1686);

  const auto panels = run.OfKind("panel");
  ASSERT_EQ(panels.size(), 1u);
  EXPECT_EQ(panels[0]["visible"], true);
  EXPECT_EQ(panels[0]["items"][4],
            nlohmann::ordered_json::parse(
                R"({"id":9,"label":"Digits","enabled":true,"entry":3,"text":"Hindi"})"));
  EXPECT_EQ(panels[0]["items"][6]["value"], 12.5);

  const std::string svg = ReadFile(picture);
  for (const char *expected : {"<svg", "data:image/png;base64,", ">Hindi</text>", ">12.5</text>",
                               ">Story Direction</text>"}) {
    EXPECT_NE(svg.find(expected), std::string::npos) << expected;
  }
}

TEST(AdmPanelHost, BadPanelCommandsStopTheScriptNamingTheLine) {
  struct Case {
    const char *line;
    const char *reason;
  };
  for (const Case &c :
       {Case{"panel choose Digits", "usage: panel choose CONTROL ENTRY"},
        Case{"panel dock Tools left", "panel dock: CODE: 'left' is not a whole number"},
        Case{"panel place 1 2 3 99999999999", "panel place: HEIGHT: 99999999999 is out of range"},
        Case{"panel place 1 2 -3 4", "panel place: WIDTH and HEIGHT cannot be negative"}}) {
    zvtest::HostRun run = RunHost(std::string("dump panel\n") + c.line + "\n");
    EXPECT_EQ(run.status, 2) << c.line;
    const auto errors = run.OfKind("error");
    ASSERT_EQ(errors.size(), 1u) << c.line;
    EXPECT_EQ(errors[0]["line"], 2) << c.line;
    EXPECT_NE(errors[0]["reason"].get<std::string>().find(c.reason), std::string::npos)
        << errors[0]["reason"];
  }
}

TEST(AdmPanelHost, HelpListsThePanelCommandsAndTheDialogManagersOperations) {
  std::string help;
  for (const char *list : {"--list-commands", "--list-operations"}) {
    zvtest::HostRun run = zvtest::RunHostRaw({list});
    ASSERT_EQ(run.status, 0) << list;
    for (const auto &line : run.lines) help += line.value("text", "") + "\n";
  }
  for (const char *expected :
       {"panel choose CONTROL ENTRY", "panel place LEFT TOP WIDTH HEIGHT", "snapshot FILE.svg",
        "ADM Dialog Suite/Modal", "ADM Item Suite/SetPicture", "ADM List Suite/SetMenuID",
        "ADM Entry Suite/Select", "ADM Notifier Suite/IsNotifierType", "ADM Tracker Suite/Abort",
        "ADM Dialog Group Suite/GetDialogGroupInfo", "ADM Icon Suite/GetFromResource",
        "ADM Basic Suite/GetIndexString"}) {
    EXPECT_NE(help.find(expected), std::string::npos) << expected;
  }
}

}  // namespace
