// The dialog manager through its suites, as a plug-in uses them: dialogs from the module's
// templates, lists with separators, one chosen entry, modal runs, callbacks in the order a
// real dialog manager makes them, and misuse reported rather than obeyed. Procedures of the
// test stand in for a plug-in's where a case needs behaviour the module does not have.
#include <cstring>

#include "AdmHostTest.h"
#include "host/adm/AdmObjects.h"

namespace admtest {

namespace {

using zvhost::Dialog;
using zvhost::Item;

// What the test's procedures saw; reset by each test.
struct Seen {
  std::vector<std::string> calls;
  std::vector<bool> booleanAtNotify;
  const ADMDialogSuite10 *dialogs = nullptr;
  const ADMItemSuite7 *items = nullptr;
  const ADMNotifierSuite2 *notifiers = nullptr;
  const ADMTrackerSuite2 *trackers = nullptr;
  ADMDialogRef dialog = nullptr;
};
Seen gSeen;

void ZV_API RecordDestroy(ADMDialogRef dialog) {
  gSeen.calls.push_back("destroy");
  // The dialog is still whole while its destroy procedure runs.
  EXPECT_NE(gSeen.dialogs->GetItem(dialog, 1), nullptr);
}

void ZV_API IgnoreNotification(ADMItemRef item, ADMNotifierRef notifier) {
  char type[64];
  gSeen.notifiers->GetNotifierType(notifier, type, sizeof type);
  gSeen.calls.push_back(std::string("notify ") + type);
  EXPECT_EQ(gSeen.notifiers->GetItem(notifier), item);
  gSeen.booleanAtNotify.push_back(gSeen.items->GetBooleanValue(item) != 0);
}

void ZV_API DestroyOwnDialog(ADMItemRef item, ADMNotifierRef) {
  gSeen.calls.push_back("notify");
  gSeen.dialogs->Destroy(gSeen.items->GetDialog(item));
}

HostBool ZV_API AbortTracking(ADMItemRef, ADMTrackerRef tracker) {
  gSeen.calls.push_back("track");
  gSeen.trackers->Abort(tracker);
  return true;
}

HostBool ZV_API LetTrackingThrough(ADMItemRef item, ADMTrackerRef tracker) {
  gSeen.calls.push_back("track");
  EXPECT_EQ(gSeen.trackers->GetAction(tracker), kADMMouseDownAction);
  return gSeen.items->DefaultTrack(item, tracker);
}

// The About box's items with procedures of the test: item 1 ignores its press.
HostErr ZV_API InitIgnoringOK(ADMDialogRef dialog) {
  gSeen.calls.push_back("init");
  gSeen.dialog = dialog;
  gSeen.items->SetNotifyProc(gSeen.dialogs->GetItem(dialog, 1), IgnoreNotification);
  gSeen.dialogs->SetDestroyProc(dialog, RecordDestroy);
  return kHostNoErr;
}

// Item 1 keeps the dialog manager's own handling, which ends the run.
HostErr ZV_API InitWithPicture(ADMDialogRef dialog) {
  gSeen.calls.push_back("init");
  gSeen.items->SetPicture(gSeen.dialogs->GetItem(dialog, 90), 1686, "logo");
  gSeen.dialogs->SetDestroyProc(dialog, RecordDestroy);
  return kHostNoErr;
}

HostErr ZV_API FailingInit(ADMDialogRef) {
  return ZV_FOUR_CHAR('N', 'E', 'S', 'S');
}

class AdmSuiteTest : public AdmHostTest {
 protected:
  void SetUp() override {
    gSeen = Seen{};
    gSeen.dialogs = &Dialogs();
    gSeen.items = &Items();
    gSeen.notifiers = &Acquire<ADMNotifierSuite2>(kADMNotifierSuite, 2);
    gSeen.trackers = &Acquire<ADMTrackerSuite2>(kADMTrackerSuite, 2);
    harness_.Take();
  }

  // A floating dialog of resource 102 without procedures of the module.
  ADMDialogRef Floating(int32_t style = kADMFloatingDialogStyle) {
    ADMDialogRef dialog = Dialogs().Create(Plugin(), "Test", 102, style, nullptr, nullptr, 0);
    EXPECT_NE(dialog, nullptr);
    return dialog;
  }
  Item &HostItem(ADMDialogRef dialog, int32_t id) {
    return *Manager().Handles().Peek<Item>(Dialogs().GetItem(dialog, id));
  }
  std::vector<zvhost::Finding> Findings() { return harness_.host().findings.All(); }
};

TEST_F(AdmSuiteTest, AListCountsItsSeparatorsAndHasOneChosenEntry) {
  ADMItemRef xOffset = Dialogs().GetItem(Floating(), 11);
  ADMListRef list = Items().GetList(xOffset);
  Lists().SetMenuID(list, 16066);
  ASSERT_EQ(Lists().NumberOfEntries(list), 11);
  EXPECT_EQ(Lists().GetMenuID(list), 16066);

  struct Expected {
    int32_t index;
    const char *text;
    bool separator;
  };
  for (const Expected &expected :
       {Expected{0, "100", false}, Expected{4, "", true}, Expected{5, "0", false},
        Expected{6, "", true}, Expected{10, "-100", false}}) {
    ADMEntryRef entry = Lists().IndexEntry(list, expected.index);
    ASSERT_NE(entry, nullptr) << expected.index;
    char text[32];
    Entries().GetText(entry, text, sizeof text);
    EXPECT_STREQ(text, expected.text) << expected.index;
    EXPECT_EQ(Entries().IsSeparator(entry) != 0, expected.separator) << expected.index;
    EXPECT_EQ(Entries().GetIndex(entry), expected.index);
  }
  EXPECT_EQ(Lists().IndexEntry(list, 11), nullptr);
  EXPECT_EQ(Lists().IndexEntry(list, -1), nullptr);

  ADMEntryRef zero = Lists().IndexEntry(list, 5);
  ADMEntryRef minus20 = Lists().IndexEntry(list, 8);
  EXPECT_EQ(Lists().GetActiveEntry(list), nullptr);
  Entries().Select(zero, true);
  Entries().Select(minus20, true);
  EXPECT_FALSE(Entries().IsSelected(zero));
  EXPECT_EQ(Lists().GetActiveEntry(list), minus20);
  // A spin-edit popup shows the number of the entry chosen from its list.
  EXPECT_EQ(Items().GetFloatValue(xOffset), -20.0f);
  Entries().Select(zero, false);  // not the chosen one: nothing changes
  EXPECT_EQ(Lists().GetActiveEntry(list), minus20);
  Entries().Select(minus20, false);
  EXPECT_EQ(Lists().GetActiveEntry(list), nullptr);

  // Refilling replaces the entries: the old ones are gone, and nothing is chosen.
  Lists().SetMenuID(list, 16062);
  EXPECT_EQ(Lists().NumberOfEntries(list), 2);
  EXPECT_TRUE(Findings().empty());
  EXPECT_FALSE(Entries().IsSelected(zero));
  ASSERT_EQ(Findings().size(), 1u);
  EXPECT_EQ(Findings()[0].operation, "ADM Entry Suite/IsSelected");
  EXPECT_EQ(Findings()[0].reason, "use of a destroyed entry");
}

TEST_F(AdmSuiteTest, AFloatingDialogIsCreatedHiddenAndATabbedOneHasThePanelMenu) {
  ADMDialogRef plain = Floating(kADMFloatingDialogStyle);
  ADMDialogRef tabbed = Floating(kADMTabbedFloatingDialogStyle);
  EXPECT_FALSE(Dialogs().IsVisible(plain));
  EXPECT_EQ(Dialogs().GetItem(plain, kADMMenuItemID), nullptr);
  ADMItemRef menu = Dialogs().GetItem(tabbed, kADMMenuItemID);
  ASSERT_NE(menu, nullptr);
  EXPECT_NE(Items().GetList(menu), nullptr);
  EXPECT_EQ(Items().GetID(menu), kADMMenuItemID);
  EXPECT_EQ(Dialogs().GetPluginRef(tabbed), Plugin());

  HostRect bounds{};
  Dialogs().GetBoundsRect(tabbed, &bounds);
  // 194 by 203 dialog units of "MS Sans Serif" 8 at 96 dpi.
  EXPECT_EQ(bounds.right - bounds.left, 291);
  EXPECT_EQ(bounds.bottom - bounds.top, 330);

  // Every control kind of the template is known, with the template's state.
  const Item &logo = HostItem(tabbed, 89);
  EXPECT_EQ(logo.kind, zvhost::ItemKind::kPicture);
  EXPECT_EQ(HostItem(tabbed, 1).kind, zvhost::ItemKind::kStaticText);
  EXPECT_EQ(HostItem(tabbed, 5).kind, zvhost::ItemKind::kPopupList);
  EXPECT_EQ(HostItem(tabbed, 12).kind, zvhost::ItemKind::kSpinEditPopup);
  EXPECT_EQ(HostItem(tabbed, 14).kind, zvhost::ItemKind::kCheckBox);
  EXPECT_TRUE(Items().IsEnabled(Dialogs().GetItem(tabbed, 5)));
  EXPECT_TRUE(Items().IsVisible(Dialogs().GetItem(tabbed, 5)));
  EXPECT_EQ(Items().GetList(Dialogs().GetItem(tabbed, 1)), nullptr);
}

TEST_F(AdmSuiteTest, AModalRunIsShownThenItsDefaultButtonEndsItAndItIsDestroyed) {
  const int32_t result =
      Dialogs().Modal(Plugin(), "About Zarvel", 16040, 0, InitWithPicture, nullptr, 0);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(gSeen.calls, (std::vector<std::string>{"init", "destroy"}));
  const std::vector<Json> events = harness_.Take();
  ASSERT_EQ(events.size(), 1u) << Json(events).dump();
  EXPECT_EQ(events[0], Json::parse(R"({"kind":"modal","name":"About Zarvel","resource":16040,
      "title":"About Zarvel","items":[{"id":1,"text":"OK"},{"id":90,"picture":1686}]})"));
}

TEST_F(AdmSuiteTest, AModalRunThatIgnoresItsButtonIsEndedByTheHostWhichSaysSo) {
  const int32_t result = Dialogs().Modal(Plugin(), "Stuck", 16040, 0, InitIgnoringOK, nullptr, 0);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(gSeen.calls,
            (std::vector<std::string>{"init", "notify ADM User Changed Notifier", "destroy"}));
  const std::vector<Json> notes = Take("note");
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0]["text"].get<std::string>().find("did not end"), std::string::npos);
  // Its handles died with it.
  EXPECT_EQ(Dialogs().GetUserData(gSeen.dialog), nullptr);
  ASSERT_EQ(Findings().size(), 1u);
  EXPECT_EQ(Findings()[0].reason, "use of a destroyed dialog");
}

TEST_F(AdmSuiteTest, AnInitProcedureThatFailsIsReportedAndTheDialogStays) {
  ADMDialogRef dialog = Dialogs().Create(Plugin(), "Test", 102, 2, FailingInit, nullptr, 0);
  EXPECT_NE(dialog, nullptr);
  const std::vector<Json> notes = Take("note");
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0]["text"].get<std::string>().find("returned NESS"), std::string::npos);
}

TEST_F(AdmSuiteTest, ADialogThatCannotBeMadeIsSaidAndGivesTheEmptyResult) {
  EXPECT_EQ(Dialogs().Create(Plugin(), "Missing", 999, 2, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(Dialogs().Modal(Plugin(), "Missing", 999, 0, nullptr, nullptr, 0), -1);
  EXPECT_EQ(Take("note").size(), 2u);
  auto *stranger = reinterpret_cast<HostPluginRef>(&gSeen);
  EXPECT_EQ(Dialogs().Create(stranger, "Foreign", 102, 2, nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(Take("modal").size(), 0u);
}

TEST_F(AdmSuiteTest, HandlesOfDestroyedOrOtherObjectsAreFindingsNotCrashes) {
  ADMDialogRef dialog = Floating();
  Dialogs().SetDestroyProc(dialog, RecordDestroy);
  ADMItemRef item = Dialogs().GetItem(dialog, 5);
  ADMListRef list = Items().GetList(item);
  Dialogs().Destroy(dialog);
  Dialogs().Destroy(dialog);  // destroyed once only
  EXPECT_EQ(gSeen.calls, (std::vector<std::string>{"destroy"}));

  EXPECT_EQ(Items().GetList(item), nullptr);
  EXPECT_EQ(Lists().NumberOfEntries(list), 0);
  ADMListRef liveList = Items().GetList(Dialogs().GetItem(Floating(), 5));
  EXPECT_EQ(Items().GetID(reinterpret_cast<ADMItemRef>(liveList)), 0);
  Items().Enable(nullptr, true);

  std::vector<std::pair<std::string, std::string>> found;
  for (const zvhost::Finding &finding : Findings())
    found.emplace_back(finding.operation, finding.reason);
  EXPECT_EQ(
      found,
      (std::vector<std::pair<std::string, std::string>>{
          {"ADM Dialog Suite/Destroy", "use of a destroyed dialog"},
          {"ADM Item Suite/GetList", "use of a destroyed item"},
          {"ADM List Suite/NumberOfEntries", "use of a destroyed list"},
          {"ADM Item Suite/GetID", "item expected, but the handle names an object of another kind"},
          {"ADM Item Suite/Enable", "null item"}}));
}

TEST_F(AdmSuiteTest, AClickTracksThenChangesTheValueThenNotifies) {
  ADMDialogRef dialog = Floating();
  ADMItemRef box = Dialogs().GetItem(dialog, 14);
  Items().SetTrackProc(box, LetTrackingThrough);
  Items().SetNotifyProc(box, IgnoreNotification);
  Item &item = HostItem(dialog, 14);
  EXPECT_TRUE(Manager().UserAction(item, [](Item &it) { it.value = 1; }));
  EXPECT_EQ(gSeen.calls, (std::vector<std::string>{"track", "notify ADM User Changed Notifier"}));
  EXPECT_EQ(gSeen.booleanAtNotify, std::vector<bool>{true});

  gSeen.calls.clear();
  Items().SetTrackProc(box, AbortTracking);
  EXPECT_FALSE(Manager().UserAction(item, [](Item &it) { it.value = 0; }));
  EXPECT_EQ(gSeen.calls, std::vector<std::string>{"track"});
  EXPECT_TRUE(Items().GetBooleanValue(box));
}

TEST_F(AdmSuiteTest, ADialogDestroyedByItsOwnItemsNotifyProcedureGoesCleanly) {
  ADMDialogRef dialog = Floating();
  Dialogs().SetDestroyProc(dialog, RecordDestroy);
  ADMItemRef box = Dialogs().GetItem(dialog, 14);
  Items().SetNotifyProc(box, DestroyOwnDialog);
  EXPECT_TRUE(Manager().UserAction(HostItem(dialog, 14), [](Item &) {}));
  EXPECT_EQ(gSeen.calls, (std::vector<std::string>{"notify", "destroy"}));
  EXPECT_EQ(Manager().Handles().Peek<Dialog>(dialog), nullptr);
  EXPECT_TRUE(Findings().empty());
}

TEST_F(AdmSuiteTest, BoundsDockingAndValuesReadBackAsSet) {
  ADMDialogRef dialog = Floating();
  const auto &groups = Acquire<ADMDialogGroupSuite6>(kADMDialogGroupSuite, 6);
  const char *name = "unchanged";
  int32_t code = -1;
  ASSERT_EQ(groups.GetDialogGroupInfo(dialog, &name, &code), kHostNoErr);
  EXPECT_STREQ(name, "");
  EXPECT_EQ(code, 0);
  ASSERT_EQ(groups.SetDialogGroupInfo(dialog, "Tools", 3), kHostNoErr);
  ASSERT_EQ(groups.GetDialogGroupInfo(dialog, &name, &code), kHostNoErr);
  EXPECT_STREQ(name, "Tools");
  EXPECT_EQ(code, 3);
  EXPECT_EQ(groups.SetDialogGroupInfo(dialog, nullptr, 1), kHostBadParameterErr);

  ADMItemRef x = Dialogs().GetItem(dialog, 11);
  Items().SetText(x, "35.5");
  EXPECT_EQ(Items().GetFloatValue(x), 35.5f);
  EXPECT_EQ(Items().GetIntValue(x), 36);
  Items().SetFloatValue(x, -7.25f);
  char text[16];
  Items().GetText(x, text, sizeof text);
  EXPECT_STREQ(text, "-7.25");
  Items().GetText(x, text, 3);  // cut to the buffer
  EXPECT_STREQ(text, "-7");

  int marker = 0;
  Dialogs().SetUserData(dialog, &marker);
  EXPECT_EQ(Dialogs().GetUserData(dialog), &marker);
  Dialogs().Show(dialog, true);
  EXPECT_TRUE(Dialogs().IsVisible(dialog));
}

TEST_F(AdmSuiteTest, TheStringListEndsInAnEmptyTextAndAlertsArePrinted) {
  const auto &basic = Acquire<ADMBasicSuite10>(kADMBasicSuite, 10);
  struct Case {
    int32_t index;
    const char *text;
  };
  for (const Case &c :
       {Case{0, "<Mac strings begin at index 1>"}, Case{1, "-108"}, Case{11, "<Others>"},
        Case{12, "The filter cannot complete because of an unknown error."}, Case{13, ""},
        Case{40000, ""}}) {
    char buffer[256] = "garbage";
    EXPECT_EQ(basic.GetIndexString(Plugin(), 16050, c.index, buffer, sizeof buffer), kHostNoErr);
    EXPECT_STREQ(buffer, c.text) << c.index;
  }
  char small[4];
  EXPECT_EQ(basic.GetIndexString(Plugin(), 16050, 0, small, sizeof small), kHostNoErr);
  EXPECT_STREQ(small, "<Ma");
  EXPECT_EQ(basic.GetIndexString(Plugin(), 16050, -1, small, sizeof small), kHostBadParameterErr);
  EXPECT_EQ(basic.GetIndexString(nullptr, 16050, 0, small, sizeof small), kHostBadParameterErr);

  basic.ErrorAlert("Error: 1, suite: X, version: 2!");
  basic.MessageAlert("hello");
  EXPECT_EQ(Take("alert"),
            (std::vector<Json>{{{"kind", "alert"}, {"text", "Error: 1, suite: X, version: 2!"}},
                               {{"kind", "alert"}, {"text", "hello"}}}));
}

TEST_F(AdmSuiteTest, IconsHaveTheirPicturesSizeAndAreCountedUntilDestroyed) {
  const auto &icons = Acquire<ADMIconSuite2>(kADMIconSuite, 2);
  ADMIconRef logo = icons.GetFromResource(Plugin(), "logo", 1685, 0);
  ASSERT_NE(logo, nullptr);
  EXPECT_EQ(icons.GetWidth(logo), 217);
  EXPECT_EQ(icons.GetHeight(logo), 79);
  EXPECT_EQ(Manager().Icons().Live(), 1u);
  icons.Destroy(logo);
  EXPECT_EQ(Manager().Icons().Live(), 0u);
  EXPECT_EQ(icons.GetFromResource(Plugin(), "none", 4242, 0), nullptr);
}

TEST_F(AdmSuiteTest, AnOperationMadeToFailReturnsItsEmptyValueAndDoesNothing) {
  ADMDialogRef dialog = Floating();
  ADMItemRef box = Dialogs().GetItem(dialog, 14);
  harness_.Run({"fail \"ADM Item Suite/GetList:1\"", "fail \"ADM Item Suite/SetBooleanValue:1\"",
                "fail \"ADM Dialog Group Suite/GetDialogGroupInfo:NESS\"",
                "fail \"ADM Dialog Suite/Create:1\""});
  EXPECT_EQ(Items().GetList(Dialogs().GetItem(dialog, 5)), nullptr);
  EXPECT_NE(Items().GetList(Dialogs().GetItem(dialog, 5)), nullptr);  // only the next call
  Items().SetBooleanValue(box, true);
  EXPECT_FALSE(Items().GetBooleanValue(box));
  const char *name = "untouched";
  int32_t code = 7;
  EXPECT_EQ(Acquire<ADMDialogGroupSuite6>(kADMDialogGroupSuite, 6)
                .GetDialogGroupInfo(dialog, &name, &code),
            ZV_FOUR_CHAR('N', 'E', 'S', 'S'));
  EXPECT_STREQ(name, "untouched");
  EXPECT_EQ(code, 7);
  EXPECT_EQ(Dialogs().Create(Plugin(), "Test", 102, 2, nullptr, nullptr, 0), nullptr);
  EXPECT_NE(Dialogs().Create(Plugin(), "Test", 102, 2, nullptr, nullptr, 0), nullptr);
}

}  // namespace

}  // namespace admtest
