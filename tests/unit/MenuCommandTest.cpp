// The menus the module leaves behind after start-up, and choosing its items as a user does.
#include <gtest/gtest.h>

#include <string>

#include "AIMenuSuite.h"
#include "host/app/Host.h"
#include "plugin/PluginGlobals.h"
#include "support/HostHarness.h"

namespace {

using zvtest::HostHarness;
using zvtest::Json;

zvhost::HostOptions Failing(const std::string &failure) {
  zvhost::HostOptions options;
  options.failures.push_back(failure);
  return options;
}

// The host's own groups, then the module's two submenus in the order it makes them.
const Json kMenusAfterStartup = Json::parse(R"({"kind": "menus", "groups": [
  {"name": "File", "items": []},
  {"name": "Edit", "items": []},
  {"name": "Object", "items": []},
  {"name": "Type", "items": []},
  {"name": "Select", "items": []},
  {"name": "Window", "items": []},
  {"name": "Window Utilities", "items": [{"name": "", "text": "Zarvel", "submenu": ""}]},
  {"name": "About", "items": [{"name": null, "text": "Zarvel", "submenu": "Zarvel"}]},
  {"name": "Zarvel", "items": [{"name": null, "text": "About Zarvel...", "submenu": null}]},
  {"name": "", "items": [
    {"name": "About Zarvel...", "text": "About Zarvel...", "submenu": null},
    {"name": "Zarvel", "text": "Zarvel", "submenu": null}]}
]})");

std::vector<Json> OfKind(const std::vector<Json> &events, const std::string &kind) {
  std::vector<Json> matching;
  for (const Json &event : events) {
    if (event.value("kind", "") == kind) matching.push_back(event);
  }
  return matching;
}

TEST(MenuTree, StartupAddsThePanelSubmenuAndTheAboutItems) {
  HostHarness harness;
  EXPECT_EQ(harness.Dump("menus"), kMenusAfterStartup);
}

TEST(MenuTree, StartupThatCannotReadTheGroupsStopsBeforeItsOwnSubmenu) {
  // The About item's search fails alone and start-up goes on; the second failure, in the
  // search for the submenu group, ends start-up with the code.
  const HostErr ness = ZV_FOUR_CHAR('N', 'E', 'S', 'S');
  struct Case {
    const char *failure;
    HostErr startup;
    Json windowUtilities;
    Json about;
  };
  const Case cases[] = {
      {"AI Menu Suite/CountMenuGroups:NESS", 0,
       Json::parse(R"([{"name": "", "text": "Zarvel", "submenu": ""}])"), Json::array()},
      {"AI Menu Suite/CountMenuGroups:NESS:2", ness, Json::array(), Json::array()},
      {"AI Menu Suite/AddMenuGroupAsSubMenu:NESS:2", ness,
       Json::parse(R"([{"name": "", "text": "Zarvel", "submenu": null}])"),
       Json::parse(R"([{"name": null, "text": "Zarvel", "submenu": null}])")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.failure);
    HostHarness harness(Failing(c.failure));
    std::vector<Json> messages = OfKind(harness.Take(), "message");
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front()["selector"], "Startup");
    EXPECT_EQ(messages.front()["result"], c.startup);
    Json groups = harness.Dump("menus")["groups"];
    EXPECT_EQ(groups[6]["items"], c.windowUtilities);
    EXPECT_EQ(groups[7]["items"], c.about);
  }
}

class MenuChoice : public ::testing::Test {
 protected:
  // What the host printed for one script line.
  std::vector<Json> RunLine(const std::string &line) {
    harness_.Take();
    harness_.Run(line);
    return harness_.Take();
  }
  bool PanelVisible() { return harness_.Dump("panel").value("visible", false); }

  HostHarness harness_;
};

TEST_F(MenuChoice, ThePanelItemShowsAndHidesThePanel) {
  ASSERT_FALSE(PanelVisible());
  for (bool visible : {true, false, true}) {
    std::vector<Json> messages =
        OfKind(RunLine("menu \"Window Utilities/Zarvel/Zarvel\""), "message");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]["caller"], "AI Menu");
    EXPECT_EQ(messages[0]["selector"], "AI Go");
    EXPECT_EQ(messages[0]["result"], 0);
    EXPECT_EQ(PanelVisible(), visible);
  }
}

TEST_F(MenuChoice, BothAboutItemsRunTheAboutBoxAndLeaveThePanelAlone) {
  for (const char *path :
       {"Window Utilities/Zarvel/About Zarvel...", "About/Zarvel/About Zarvel..."}) {
    SCOPED_TRACE(path);
    std::vector<Json> modals = OfKind(RunLine(std::string("menu \"") + path + "\""), "modal");
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0]["name"], "About Zarvel");
    EXPECT_EQ(modals[0]["resource"], 16040);
    EXPECT_FALSE(PanelVisible());
  }
}

TEST_F(MenuChoice, APathThatLeadsToNoItemIsRefusedAndNothingIsSent) {
  struct Case {
    const char *path;
    const char *reason;
  };
  const Case cases[] = {
      {"Window Utilities/Zarvel",
       "menu 'Window Utilities/Zarvel': 'Window Utilities/Zarvel' is a menu, not an item "
       "(its items: About Zarvel..., Zarvel)"},
      {"Window Utilities",
       "menu 'Window Utilities': 'Window Utilities' is a menu, not an item (its items: Zarvel)"},
      {"Window Utilities/Zarvel/Zarvel/More",
       "menu 'Window Utilities/Zarvel/Zarvel/More': 'Window Utilities/Zarvel/Zarvel' opens no "
       "submenu"},
      {"Window Utilities/Panel",
       "menu 'Window Utilities/Panel': 'Window Utilities' has no item 'Panel' (its items: "
       "Zarvel)"},
      {"File/Zarvel", "menu 'File/Zarvel': 'File' has no item 'Zarvel' (it has none)"},
      {"About/Zarvel/",
       "menu 'About/Zarvel/': 'About/Zarvel' has no item '' (its items: About "
       "Zarvel...)"},
      // The module's own groups are reached through the host's, as a user reaches them.
      {"Zarvel/About Zarvel...",
       "menu 'Zarvel/About Zarvel...': the host has no menu group 'Zarvel' (its groups: File, "
       "Edit, Object, Type, Select, Window, Window Utilities, About)"},
      {"window utilities/Zarvel/Zarvel",
       "menu 'window utilities/Zarvel/Zarvel': the host has no menu group 'window utilities' "
       "(its groups: File, Edit, Object, Type, Select, Window, Window Utilities, About)"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.path);
    std::vector<Json> events = RunLine(std::string("menu \"") + c.path + "\"");
    EXPECT_TRUE(OfKind(events, "message").empty());
    std::vector<Json> refused = OfKind(events, "refused");
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0]["reason"], c.reason);
  }
}

TEST_F(MenuChoice, WhileTheModuleIsUnloadedItsItemsAreRefused) {
  harness_.Run("unload");
  std::vector<Json> events = RunLine("menu \"Window Utilities/Zarvel/Zarvel\"");
  EXPECT_TRUE(OfKind(events, "message").empty());
  ASSERT_EQ(OfKind(events, "refused").size(), 1u);
  EXPECT_EQ(OfKind(events, "refused")[0]["reason"],
            "menu 'Window Utilities/Zarvel/Zarvel': the module is unloaded");
  // The items stay in the host's menus and work again once the module is back.
  EXPECT_EQ(harness_.Dump("menus"), kMenusAfterStartup);
  harness_.Run("reload");
  EXPECT_EQ(OfKind(RunLine("menu \"Window Utilities/Zarvel/Zarvel\""), "message").size(), 1u);
  EXPECT_TRUE(PanelVisible());
}

TEST_F(MenuChoice, ADisabledItemIsRefusedUntilItIsEnabledAgain) {
  const AIMenuSuite9 *menus = nullptr;
  ASSERT_EQ(harness_.host().suites.Acquire(kAIMenuSuite, kAIMenuSuiteVersion9,
                                           reinterpret_cast<const void **>(&menus)),
            0);
  ASSERT_EQ(menus->DisableItem(gGlobals->panelMenuItem), 0);
  std::vector<Json> refused = OfKind(RunLine("menu \"Window Utilities/Zarvel/Zarvel\""), "refused");
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0]["reason"],
            "menu 'Window Utilities/Zarvel/Zarvel': 'Window Utilities/Zarvel/Zarvel' is disabled");
  EXPECT_FALSE(PanelVisible());

  ASSERT_EQ(menus->EnableItem(gGlobals->panelMenuItem), 0);
  RunLine("menu \"Window Utilities/Zarvel/Zarvel\"");
  EXPECT_TRUE(PanelVisible());
  harness_.host().suites.Release(kAIMenuSuite, kAIMenuSuiteVersion9);
}

TEST(MenuCommands, MalformedLinesAreUsageErrors) {
  HostHarness harness;
  EXPECT_EQ(harness.RunExpectingError("menu"), "usage: menu \"GROUP/TEXT[/TEXT...]\"");
  EXPECT_EQ(harness.RunExpectingError("menu About/Zarvel extra"),
            "usage: menu \"GROUP/TEXT[/TEXT...]\"");
  EXPECT_EQ(harness.RunExpectingError("dump menus now"), "usage: dump menus");
}

}  // namespace
