// The plug-in's menu entries and what choosing them does, through the real host.
#include <gtest/gtest.h>

#include "FrameHostTest.h"
#include "host/app/Host.h"
#include "host/loader/PluginConnection.h"
#include "host/menus/MenuBar.h"
#include "plugin/PluginGlobals.h"
#include "support/InProcessModule.h"

namespace {

using frametest::GroupNamed;
using frametest::ItemsWithText;
using frametest::Json;
using frametest::OfKind;
using frametest::ResultOf;
using frametest::StartHost;

constexpr char kPanelItem[] = "menu \"Window Utilities/Zarvel/Zarvel\"";

TEST(FrameMenus, StartUpLeavesTheSubmenuAndTheAboutEntries) {
  auto host = StartHost();
  const Json menus = host->Dump("menus");

  const std::vector<Json> opener = ItemsWithText(GroupNamed(menus, "Window Utilities"), "Zarvel");
  ASSERT_EQ(opener.size(), 1u);
  EXPECT_EQ(opener[0]["name"], "");
  EXPECT_EQ(opener[0]["submenu"], "");

  const Json submenu = GroupNamed(menus, "");
  ASSERT_FALSE(submenu.is_null());
  ASSERT_EQ(submenu["items"].size(), 2u);
  const std::vector<Json> panel = ItemsWithText(submenu, "Zarvel");
  const std::vector<Json> about = ItemsWithText(submenu, "About Zarvel...");
  ASSERT_EQ(panel.size(), 1u);
  ASSERT_EQ(about.size(), 1u);
  EXPECT_EQ(panel[0]["name"], "Zarvel");
  EXPECT_EQ(about[0]["name"], "About Zarvel...");

  const std::vector<Json> vendor = ItemsWithText(GroupNamed(menus, "About"), "Zarvel");
  ASSERT_EQ(vendor.size(), 1u);
  EXPECT_TRUE(vendor[0]["name"].is_null());
  EXPECT_EQ(vendor[0]["submenu"], "Zarvel");
  const std::vector<Json> hostAbout = ItemsWithText(GroupNamed(menus, "Zarvel"), "About Zarvel...");
  ASSERT_EQ(hostAbout.size(), 1u);
  EXPECT_TRUE(hostAbout[0]["name"].is_null());
}

// Connects the module without starting it, so that a test can shape the host's menus first.
zvhost::PluginConnection &Connect(zvtest::HostHarness &host) {
  host.host().plugin = std::make_unique<zvhost::PluginConnection>(zvtest::OpenInProcessModule());
  return *host.host().plugin;
}

// Makes a host group the submenu of an item in `parent`, as another plug-in would.
void MakeGroup(zvtest::HostHarness &host, const char *parent, const char *group) {
  zvhost::MenuBar &menus = *host.host().menus;
  HostUnicodeStringRef text = nullptr;
  ASSERT_EQ(menus.Texts().Make("Other", &text), kHostNoErr);
  AIPlatformAddMenuItemDataUS data{parent, text};
  AIMenuItemHandle item = nullptr;
  ASSERT_EQ(menus.AddItem(host.host().plugin->Ref(), "Other", &data, &item), kHostNoErr);
  menus.Texts().Destroy(text);
  AIMenuGroup made = nullptr;
  ASSERT_EQ(menus.AddSubmenuGroup(group, 0, item, &made), kHostNoErr);
}

TEST(FrameMenus, GroupsThatExistAlreadyReceiveTheItemsWithoutNewEntries) {
  zvtest::HostHarness host({}, false);
  zvhost::PluginConnection &plugin = Connect(host);
  MakeGroup(host, "Window Utilities", "");
  MakeGroup(host, "About", "Zarvel");
  EXPECT_EQ(plugin.Send("SP Interface", "Startup"), kHostNoErr);
  const Json dump = host.Dump("menus");
  EXPECT_TRUE(ItemsWithText(GroupNamed(dump, "Window Utilities"), "Zarvel").empty());
  EXPECT_TRUE(ItemsWithText(GroupNamed(dump, "About"), "Zarvel").empty());
  EXPECT_EQ(ItemsWithText(GroupNamed(dump, ""), "Zarvel").size(), 1u);
  EXPECT_EQ(ItemsWithText(GroupNamed(dump, "Zarvel"), "About Zarvel...").size(), 1u);
}

TEST(FrameMenus, AnItemThatCannotBeAddedIsLeftOutAndStartUpGoesOn) {
  // The About helper gets no vendor text and gives up; with the submenu there already the
  // first item added is the panel item, which the host refuses.
  zvhost::HostOptions options;
  options.failures = {"AI Unicode String Suite/Initialize:NESS:1",
                      "AI Menu Suite/AddMenuItem:NESS:1"};
  zvtest::HostHarness host(options, false);
  zvhost::PluginConnection &plugin = Connect(host);
  MakeGroup(host, "Window Utilities", "");
  EXPECT_EQ(plugin.Send("SP Interface", "Startup"), kHostNoErr);
  ASSERT_NE(gGlobals, nullptr);
  EXPECT_EQ(gGlobals->hostAboutMenuItem, nullptr);
  EXPECT_EQ(gGlobals->panelMenuItem, nullptr);
  EXPECT_NE(gGlobals->aboutMenuItem, nullptr);
  EXPECT_NE(gGlobals->panel, nullptr);
  const Json submenu = GroupNamed(host.Dump("menus"), "");
  EXPECT_TRUE(ItemsWithText(submenu, "Zarvel").empty());
  EXPECT_EQ(ItemsWithText(submenu, "About Zarvel...").size(), 1u);
}

TEST(FrameMenus, ThePanelItemShowsAndHidesThePanel) {
  auto host = StartHost();
  EXPECT_FALSE(host->Dump("panel")["visible"].get<bool>());
  for (bool visible : {true, false, true}) {
    host->Run(kPanelItem);
    EXPECT_EQ(ResultOf(host->Take(), "AI Menu", "AI Go"), kHostNoErr);
    EXPECT_EQ(host->Dump("panel")["visible"].get<bool>(), visible);
  }
}

TEST(FrameMenus, EitherAboutItemRunsTheAboutBoxAndLeavesThePanelAlone) {
  auto host = StartHost();
  host->Run(kPanelItem);
  for (const char *path :
       {"Window Utilities/Zarvel/About Zarvel...", "About/Zarvel/About Zarvel..."}) {
    SCOPED_TRACE(path);
    host->Take();
    host->Run(std::string("menu \"") + path + "\"");
    const std::vector<Json> events = host->Take();
    EXPECT_EQ(ResultOf(events, "AI Menu", "AI Go"), kHostNoErr);
    const std::vector<Json> modals = OfKind(events, "modal");
    ASSERT_EQ(modals.size(), 1u);
    EXPECT_EQ(modals[0]["name"], "About Zarvel");
    EXPECT_EQ(modals[0]["resource"], 16040);
    EXPECT_TRUE(frametest::HasPicture(modals[0]));
    EXPECT_TRUE(host->Dump("panel")["visible"].get<bool>());
  }
}

TEST(FrameMenus, TheHostsAboutRequestRunsThePlainAboutBox) {
  auto host = StartHost();
  host->Take();
  host->TakeTraces();
  host->Run("about");
  const std::vector<Json> events = host->Take();
  EXPECT_EQ(ResultOf(events, "SP Interface", "About"), kHostNoErr);
  const std::vector<Json> modals = OfKind(events, "modal");
  ASSERT_EQ(modals.size(), 1u);
  EXPECT_EQ(modals[0]["name"], "About Dialog");
  EXPECT_EQ(modals[0]["resource"], 16040);
  EXPECT_FALSE(frametest::HasPicture(modals[0]));
  EXPECT_TRUE(host->TakeTraces().empty()) << "the plain About box traces nothing";
}

}  // namespace
