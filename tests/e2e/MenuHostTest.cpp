// The menus through the built host and module, as a script drives them.
#include <gtest/gtest.h>

#include "support/HostProcess.h"

namespace {

using zvtest::RunHost;

TEST(MenuHost, AScriptChoosesItemsAndIsToldWhatItCannotChoose) {
  zvtest::HostRun run = RunHost(
      "menu \"Window Utilities/Zarvel/Zarvel\"\n"
      "dump panel\n"
      "menu \"Window Utilities/Zarvel\"\n"
      "dump menus\n");
  EXPECT_EQ(run.status, 0) << run.errors;
  auto panels = run.OfKind("panel");
  ASSERT_EQ(panels.size(), 1u);
  EXPECT_EQ(panels[0]["visible"], true);
  auto refused = run.OfKind("refused");
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0]["reason"],
            "menu 'Window Utilities/Zarvel': 'Window Utilities/Zarvel' is a menu, not an item "
            "(its items: About Zarvel..., Zarvel)");
  auto menus = run.OfKind("menus");
  ASSERT_EQ(menus.size(), 1u);
  bool found = false;
  for (const auto &group : menus[0]["groups"]) {
    if (group["name"] != "Window Utilities") continue;
    found = true;
    EXPECT_EQ(group["items"],
              nlohmann::ordered_json::parse(R"([{"name": "", "text": "Zarvel", "submenu": ""}])"));
  }
  EXPECT_TRUE(found);
}

TEST(MenuHost, AMalformedMenuLineStopsTheScriptNamingTheLine) {
  zvtest::HostRun run = RunHost("dump menus\nmenu\n");
  EXPECT_EQ(run.status, 2);
  auto errors = run.OfKind("error");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]["line"], 2);
  EXPECT_EQ(errors[0]["reason"], "usage: menu \"GROUP/TEXT[/TEXT...]\"");
}

TEST(MenuHost, HelpListsTheMenuOperationsAndCommands) {
  std::string help;
  for (const char *list : {"--list-commands", "--list-operations"}) {
    zvtest::HostRun run = zvtest::RunHostRaw({list});
    ASSERT_EQ(run.status, 0) << list;
    for (const auto &line : run.lines) help += line.value("text", "") + "\n";
  }
  for (const char *expected :
       {"AI Menu Suite/AddMenuItem", "AI Menu Suite/AddMenuGroupAsSubMenu",
        "AI Menu Suite/CountMenuGroups", "AI Menu Suite/GetNthMenuGroup",
        "AI Menu Suite/GetMenuGroupName", "AI Unicode String Suite/Initialize",
        "AI Preference Suite/PutPointPreference", "menu \"GROUP/TEXT[/TEXT...]\"", "dump menus",
        "dump prefs"}) {
    EXPECT_NE(help.find(expected), std::string::npos) << expected;
  }
}

}  // namespace
