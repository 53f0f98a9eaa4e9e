// The host's notifications and what they make the panel do, through the real host.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FrameHostTest.h"
#include "host/adm/DialogManager.h"
#include "host/app/Host.h"
#include "panel/ZarvelNonModalDialog.h"
#include "plugin/PluginGlobals.h"
#include "support/TempFolder.h"

namespace {

using frametest::Json;
using frametest::OfKind;
using frametest::StartHost;

constexpr char kDocument[] = R"({"format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "abc"}]}],
  "art": [{"kind": "text", "story": 0}]})";

// The ids of the panel's enabled controls.
std::vector<int> EnabledItems(zvtest::HostHarness &host) {
  const Json items = host.Dump("panel")["items"];
  EXPECT_FALSE(items.empty());
  std::vector<int> enabled;
  for (const Json &item : items) {
    if (item["enabled"].get<bool>()) enabled.push_back(item["id"].get<int>());
  }
  return enabled;
}

const std::vector<int> kEveryControl = {5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
const std::vector<int> kNoControl = {};

// The results of every "AI Notify" among `events`.
std::vector<HostErr> NotifyResults(const std::vector<Json> &events) {
  std::vector<HostErr> results;
  for (const Json &message : OfKind(events, "message")) {
    if (message["selector"] == "AI Notify") results.push_back(message["result"].get<HostErr>());
  }
  return results;
}

TEST(FrameNotifiers, DocumentsEnableThePanelAndClosingTheLastDisablesIt) {
  auto host = StartHost();
  EXPECT_EQ(EnabledItems(*host), kNoControl);
  host->Run("new");
  EXPECT_EQ(EnabledItems(*host), kEveryControl);
  const zvtest::TempFolder temp;
  host->Run("open " + temp.Write("doc.json", kDocument));
  host->Run("close");
  EXPECT_EQ(EnabledItems(*host), kEveryControl) << "one document is still open";
  host->Run("close");
  EXPECT_EQ(EnabledItems(*host), kNoControl);
  for (HostErr result : NotifyResults(host->Take())) EXPECT_EQ(result, kHostNoErr);
}

TEST(FrameNotifiers, ACountThatFailsIsReportedAndLeavesThePanelAsItIs) {
  auto host = StartHost();
  host->Run({"new", "fail \"AI Document List Suite/Count:NESS\""});
  host->Take();
  host->Run("close");
  const std::vector<Json> events = host->Take();
  EXPECT_EQ(NotifyResults(events).front(), frametest::kNess);
  const std::vector<Json> modals = OfKind(events, "modal");
  ASSERT_EQ(modals.size(), 1u);
  EXPECT_EQ(frametest::ItemText(modals[0], 3), "NESS");
  // The Kashidas box, reset by the selection change after it with a count that answers,
  // knows that no document is left.
  EXPECT_EQ(EnabledItems(*host), (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST(FrameNotifiers, ASelectionChangeRunsTheResetsInOrder) {
  auto host = StartHost();
  const zvtest::TempFolder temp;
  host->Run("open " + temp.Write("doc.json", kDocument));
  host->TakeTraces();
  host->Run("select art 0");
  const std::vector<std::string> traces = host->TakeTraces();
  const char *const order[] = {"ResetComposerMenuItem : Start",
                               "ResetCharacterDirectionMenuItem",
                               "ResetDigitsMenuItem",
                               "ResetDiacriticsPositionMenuItem",
                               "ResetDiacriticsXOffsetMenuItem",
                               "ResetDiacriticsYOffsetMenuItem"};
  auto at = traces.begin();
  for (const char *name : order) {
    at = std::find_if(at, traces.end(), [name](const std::string &text) {
      return text.find(name) != std::string::npos;
    });
    EXPECT_NE(at, traces.end()) << name << " did not run, or not in order";
  }
  for (HostErr result : NotifyResults(host->Take())) EXPECT_EQ(result, kHostNoErr);
}

TEST(FrameNotifiers, AFailingResetStopsTheRestAndIsReported) {
  auto host = StartHost();
  host->Run({"new", "fail \"ATE ParaFeatures Suite/GetParagraphDirection:ATEp:0\""});
  host->Take();
  host->TakeTraces();
  host->Run("select none");
  const std::vector<Json> events = host->Take();
  const HostErr failed = ZV_FOUR_CHAR('A', 'T', 'E', 'p');
  EXPECT_EQ(NotifyResults(events), std::vector<HostErr>{failed});
  const std::vector<Json> modals = OfKind(events, "modal");
  ASSERT_EQ(modals.size(), 1u);
  EXPECT_EQ(frametest::ItemText(modals[0], 3), "ATEp");

  const std::vector<std::string> traces = host->TakeTraces();
  auto has = [&traces](const std::string &text) {
    return std::find(traces.begin(), traces.end(), text) != traces.end();
  };
  EXPECT_TRUE(has("ZarvelNonModalDialog::ResetCharacterDirectionMenuItem : End"));
  EXPECT_TRUE(has("goNotifier : didn't able to ResetParagraphDirectionMenuItem"));
  EXPECT_FALSE(has("ZarvelNonModalDialog::ResetDigitsMenuItem : Start"));
  EXPECT_FALSE(has("goNotifier : didn't able to ResetComposerMenuItem"));

  // The next notification starts again from the first reset.
  host->Run("select none");
  EXPECT_EQ(NotifyResults(host->Take()), std::vector<HostErr>{failed});
  EXPECT_EQ(host->TakeTraces().front(), "ZarvelNonModalDialog::ResetComposerMenuItem : Start");
}

TEST(FrameNotifiers, AfterThePanelsDialogIsGoneNotificationsAndMenusAreHarmless) {
  auto host = StartHost();
  host->Run("new");
  host->host().dialogs->DestroyAll();
  ASSERT_NE(gGlobals->panel, nullptr);
  EXPECT_EQ(gGlobals->panel->GetDialogRef(), nullptr);
  host->Take();
  host->Run({"select none", "close", "new", "menu \"Window Utilities/Zarvel/Zarvel\""});
  const std::vector<Json> events = host->Take();
  for (const Json &message : OfKind(events, "message")) {
    EXPECT_EQ(message["result"], kHostNoErr) << message.dump();
  }
  EXPECT_TRUE(OfKind(events, "modal").empty());
  EXPECT_TRUE(host->host().findings.All().empty());
}

}  // namespace
