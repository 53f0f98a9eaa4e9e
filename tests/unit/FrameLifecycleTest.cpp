// Start-up, shut-down, unload and reload of the module, run through the real host.
#include <gtest/gtest.h>

#include "FrameHostTest.h"
#include "base/HostSuites.h"
#include "host/adm/DialogManager.h"
#include "host/app/Host.h"
#include "host/loader/PluginConnection.h"
#include "panel/ZarvelNonModalDialog.h"
#include "plugin/PluginGlobals.h"

namespace {

using frametest::Json;
using frametest::OfKind;
using frametest::ResultOf;
using frametest::StartHost;

TEST(FrameStartup, AHostThatOffersEverySuiteStartsCleanly) {
  auto host = StartHost();
  const std::vector<Json> events = host->Take();
  EXPECT_EQ(ResultOf(events, "SP Interface", "Startup"), kHostNoErr);
  EXPECT_TRUE(OfKind(events, "alert").empty());
  EXPECT_TRUE(OfKind(events, "modal").empty());
  EXPECT_EQ(gSuiteAcquireCount, 1);
  for (const HostSuiteEntry &row : HostSuiteTable) EXPECT_NE(*row.target, nullptr) << row.name;

  ASSERT_NE(gGlobals, nullptr);
  EXPECT_NE(gGlobals->panel, nullptr);
  EXPECT_NE(gGlobals->pluginRef, nullptr);
  EXPECT_NE(gGlobals->panelMenuItem, nullptr);
  EXPECT_NE(gGlobals->aboutMenuItem, nullptr);
  EXPECT_NE(gGlobals->hostAboutMenuItem, nullptr);
  EXPECT_NE(gGlobals->selectionChangedNotifier, nullptr);
  EXPECT_NE(gGlobals->documentClosedNotifier, nullptr);
  EXPECT_TRUE(host->Dump("panel")["exists"].get<bool>());
}

TEST(FrameStartup, AMissingSuiteFromTheDialogManagerOnIsNamedAndEndsStartUp) {
  auto host = StartHost({}, {"ADM Item Suite:7"});
  const std::vector<Json> events = host->Take();
  const std::vector<Json> alerts = OfKind(events, "alert");
  ASSERT_EQ(alerts.size(), 1u);
  EXPECT_EQ(alerts[0]["text"], "Error: 1394689636, suite: ADM Item Suite, version: 7!");
  EXPECT_EQ(ResultOf(events, "SP Interface", "Startup"), frametest::kSuiteNotFound);
  EXPECT_TRUE(OfKind(events, "modal").empty()) << "'S!Fd' is never shown in the error dialog";

  EXPECT_NE(gADMDialogSuite, nullptr);
  EXPECT_EQ(gADMItemSuite, nullptr);
  for (int index = 31; index < 118; ++index) {
    EXPECT_EQ(*HostSuiteTable[index].target, nullptr) << HostSuiteTable[index].name;
  }
  EXPECT_EQ(gGlobals, nullptr);
  EXPECT_FALSE(host->Dump("panel")["exists"].get<bool>());
  EXPECT_EQ(frametest::GroupNamed(host->Dump("menus"), ""), nullptr);
}

TEST(FrameStartup, AMissingSuiteBeforeTheDialogManagerIsSilentAndStaysEmpty) {
  // The notifier suite's second row is called by nothing: start-up goes on without it.
  auto host = StartHost({}, {"AI Notifier Suite:2"});
  std::vector<Json> events = host->Take();
  EXPECT_TRUE(OfKind(events, "alert").empty());
  EXPECT_EQ(gAINotifierSuite, nullptr);
  EXPECT_EQ(gAINotifierSuite2, nullptr);
  EXPECT_NE(gATEArrayComposerEngineSuite, nullptr) << "the walk went on to the last row";
  // Registering the notifiers needs the suite; the empty variable is not called through.
  EXPECT_EQ(ResultOf(events, "SP Interface", "Startup"), frametest::kSuiteNotFound);
  EXPECT_TRUE(OfKind(events, "modal").empty());
}

TEST(FrameStartup, WithoutTheMenuSuiteStartUpEndsQuietlyBeforeTheMenus) {
  auto host = StartHost({}, {"AI Menu Suite:9"});
  const std::vector<Json> events = host->Take();
  EXPECT_TRUE(OfKind(events, "alert").empty());
  EXPECT_EQ(gAIMenuSuite, nullptr);
  EXPECT_EQ(ResultOf(events, "SP Interface", "Startup"), frametest::kSuiteNotFound);
  ASSERT_NE(gGlobals, nullptr);
  EXPECT_EQ(gGlobals->panel, nullptr);
  EXPECT_EQ(gGlobals->selectionChangedNotifier, nullptr);
}

TEST(FrameStartup, EachFailingStepEndsStartUpWithItsCodeAndNothingAfterItRuns) {
  struct Case {
    const char *failure;
    HostErr code;
    bool globals;  // whether the globals record was made
  };
  const Case cases[] = {
      {"SP Basic Suite/AllocateBlock:-108", -108, false},
      // The About helper counts the groups first; the second count is the submenu's.
      {"AI Menu Suite/CountMenuGroups:NESS:2", frametest::kNess, true},
      {"AI Menu Suite/GetMenuGroupName:NESS:0", frametest::kNess, true},
      {"AI Menu Suite/AddMenuGroupAsSubMenu:NESS:0", frametest::kNess, true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.failure);
    auto host = StartHost({c.failure});
    const std::vector<Json> events = host->Take();
    EXPECT_EQ(ResultOf(events, "SP Interface", "Startup"), c.code);
    EXPECT_EQ(OfKind(events, "modal").size(), 1u) << "the code is shown in the error dialog";
    EXPECT_EQ(gGlobals != nullptr, c.globals);
    if (gGlobals != nullptr) {
      EXPECT_EQ(gGlobals->panel, nullptr);
      EXPECT_EQ(gGlobals->panelMenuItem, nullptr);
      EXPECT_EQ(gGlobals->selectionChangedNotifier, nullptr);
    }
    EXPECT_FALSE(host->Dump("panel")["exists"].get<bool>());
  }
}

TEST(FrameStartup, OnlyTheLastRegistrationDecidesTheResult) {
  {
    auto host = StartHost({"AI Notifier Suite/AddNotifier:NESS:1"});
    EXPECT_EQ(ResultOf(host->Take(), "SP Interface", "Startup"), kHostNoErr);
    EXPECT_EQ(gGlobals->selectionChangedNotifier, nullptr);
    EXPECT_NE(gGlobals->documentClosedNotifier, nullptr);
  }
  {
    auto host = StartHost({"AI Notifier Suite/AddNotifier:NESS:0"});
    EXPECT_EQ(ResultOf(host->Take(), "SP Interface", "Startup"), frametest::kNess);
    EXPECT_NE(gGlobals->panel, nullptr) << "the panel is made before the registrations";
  }
}

TEST(FrameStartup, AnErrorThrownWhileAddingTheMenusIsReturnedNotLetThrough) {
  // Every menu text fails to be made: the host About item is skipped quietly, and the
  // submenu's text ends start-up with the host's code.
  auto host = StartHost({"AI Unicode String Suite/Initialize:NESS:0"});
  const std::vector<Json> events = host->Take();
  EXPECT_EQ(ResultOf(events, "SP Interface", "Startup"), frametest::kNess);
  const std::vector<Json> modals = OfKind(events, "modal");
  ASSERT_EQ(modals.size(), 1u);
  EXPECT_EQ(frametest::ItemText(modals[0], 3), "NESS");
  EXPECT_TRUE(host->host().findings.All().empty());
}

TEST(FrameLifecycle, ShutDownAndUnloadLeaveNothingHeld) {
  zvhost::HostOptions options;
  options.strict = true;
  zvtest::HostHarness host(options);
  host.Run("new");
  EXPECT_EQ(host.Finish(), 0) << "strict mode found a leak or a misuse";
  for (const auto &finding : host.host().findings.All()) {
    ADD_FAILURE() << finding.operation << ": " << finding.reason;
  }
  EXPECT_EQ(gGlobals, nullptr);
  EXPECT_EQ(gSuiteAcquireCount, 0);
  const std::vector<Json> events = host.Take();
  EXPECT_EQ(ResultOf(events, "SP Interface", "Shutdown"), kHostNoErr);
  EXPECT_EQ(ResultOf(events, "SP Access", "Unload"), kHostNoErr);
}

TEST(FrameLifecycle, ReloadTakesTheSameRecordBackAndServesMenusAgain) {
  auto host = StartHost();
  PluginGlobals *const record = gGlobals;
  const PluginGlobals before = *record;
  host->Run({"unload", "reload"});
  EXPECT_EQ(gGlobals, record);
  EXPECT_EQ(gSuiteAcquireCount, 0);
  EXPECT_EQ(gGlobals->panel, before.panel);
  EXPECT_EQ(gGlobals->panelMenuItem, before.panelMenuItem);
  EXPECT_EQ(gGlobals->documentNewNotifier, before.documentNewNotifier);
  EXPECT_EQ(gGlobals->pluginRef, before.pluginRef);
  host->Take();

  // The first message that needs the suites acquires them again.
  host->Run("menu \"Window Utilities/Zarvel/Zarvel\"");
  EXPECT_EQ(ResultOf(host->Take(), "AI Menu", "AI Go"), kHostNoErr);
  EXPECT_EQ(gSuiteAcquireCount, 1);
  EXPECT_TRUE(host->Dump("panel")["visible"].get<bool>());
  host->Run("new");
  const std::vector<Json> notified = OfKind(host->Take(), "message");
  ASSERT_EQ(notified.size(), 2u) << "document new, then the selection change";
  for (const Json &message : notified) EXPECT_EQ(message["result"], kHostNoErr);
}

TEST(FrameLifecycle, TheRecordKeepsNothingOfTheModulesImageWhileItIsUnloaded) {
  auto host = StartHost();
  ZarvelNonModalDialog *const panel = gGlobals->panel;
  const ADMDialogRef dialog = panel->GetDialogRef();
  ASSERT_NE(dialog, nullptr);
  host->Run("unload");
  // The panel object has ended (its virtual functions were the module's); its storage and
  // dialog wait for the reload.
  EXPECT_EQ(gGlobals->panel, nullptr);
  EXPECT_EQ(gGlobals->suspendedPanel, static_cast<void *>(panel));
  EXPECT_EQ(gGlobals->suspendedPanelDialog, dialog);
  host->Run("reload");
  EXPECT_EQ(gGlobals->panel, panel) << "made again where the dialog's user data points";
  EXPECT_EQ(gGlobals->panel->GetDialogRef(), dialog);
  EXPECT_EQ(gGlobals->suspendedPanel, nullptr);
  EXPECT_EQ(gGlobals->suspendedPanelDialog, nullptr);
}

TEST(FrameLifecycle, ThePanelsDestroyProcedureLetsGoOfItsDialogBeforeAnyMessageAfterAReload) {
  zvhost::HostOptions options;
  options.strict = true;
  zvtest::HostHarness host(options);
  host.Run({"unload", "reload"});
  ASSERT_EQ(gSuiteAcquireCount, 0);
  host.host().dialogs->DestroyAll();
  EXPECT_EQ(gGlobals->panel->GetDialogRef(), nullptr);
  EXPECT_EQ(host.Finish(), 0) << "nothing is called through the destroyed dialog";
  EXPECT_TRUE(host.host().findings.All().empty());
}

TEST(FrameLifecycle, CodeCalledOutsideAMessageCanAcquireTheSuitesAfterAReload) {
  zvhost::HostOptions options;
  options.strict = true;
  auto host = std::make_unique<zvtest::HostHarness>(options);
  host->Run({"unload", "reload"});
  EXPECT_EQ(gAIDocumentSuite, nullptr) << "released at the unload";
  EXPECT_EQ(AcquireHostSuitesAfterReload(), kHostNoErr);
  EXPECT_NE(gAIDocumentSuite, nullptr);
  EXPECT_EQ(gSuiteAcquireCount, 1);
  EXPECT_EQ(AcquireHostSuitesAfterReload(), kHostNoErr);
  EXPECT_EQ(gSuiteAcquireCount, 1) << "held already: nothing more is acquired";
  EXPECT_EQ(host->Finish(), 0) << "the suites acquired again are released once at the end";
  EXPECT_TRUE(host->host().findings.All().empty());
}

TEST(FrameLifecycle, MessagesOutsideTheTablesAnswerZeroAndDoNothing) {
  auto host = StartHost();
  host->Take();
  zvhost::PluginConnection &plugin = *host->host().plugin;
  const char *const plain[][2] = {
      {"SP Access", "Flush"}, {"SP Interface", "Purge"}, {"Someone Else", "Anything"}};
  for (const auto &[caller, selector] : plain) {
    EXPECT_EQ(plugin.Send(caller, selector), kHostNoErr) << caller << "/" << selector;
  }
  // Items and registrations that are not the plug-in's, and selectors it does not serve.
  const auto foreignItem = reinterpret_cast<AIMenuItemHandle>(uintptr_t{0x7777});
  const auto foreignNotifier = reinterpret_cast<AINotifierHandle>(uintptr_t{0x7777});
  EXPECT_EQ(plugin.SendMenu("AI Go", foreignItem), kHostNoErr);
  EXPECT_EQ(plugin.SendMenu("AI Go", nullptr), kHostNoErr);
  EXPECT_EQ(plugin.SendMenu("AI Update", gGlobals->panelMenuItem), kHostNoErr);
  EXPECT_EQ(plugin.SendMenu("AI Other", gGlobals->panelMenuItem), kHostNoErr);
  EXPECT_EQ(plugin.SendNotify(foreignNotifier, "AI Document New Notifier"), kHostNoErr);
  EXPECT_EQ(plugin.SendNotify(nullptr, "AI Document New Notifier"), kHostNoErr);

  EXPECT_TRUE(OfKind(host->Take(), "modal").empty());
  const Json panel = host->Dump("panel");
  EXPECT_FALSE(panel["visible"].get<bool>());
  EXPECT_FALSE(panel["items"][0]["enabled"].get<bool>()) << "no notification enabled the panel";
}

}  // namespace
