// The panel as the module builds it in the host's dialog manager, and the panel commands a
// user gives: refusals that send nothing, entries by text before index, tracking before
// notification, modal About boxes, the module's absence while it is unloaded, the destroy
// procedure at the end, and the snapshot.
#include <fstream>
#include <sstream>

#include "AdmHostTest.h"
#include "support/TempFolder.h"

namespace admtest {

namespace {

class AdmPanelTest : public AdmHostTest {
 protected:
  void SetUp() override {
    harness_.Take();
    harness_.TakeTraces();
  }
  // A user acts on the panel once its Window menu item has shown it.
  void ShowPanel() {
    harness_.Run("menu \"Window Utilities/Zarvel/Zarvel\"");
    harness_.Take();
    harness_.TakeTraces();
  }
  // The control with that item id in `dump panel`.
  Json Control(int id) {
    const Json panel = harness_.Dump("panel");
    for (const Json &item : panel["items"]) {
      if (item["id"] == id) return item;
    }
    ADD_FAILURE() << "no control " << id;
    return Json::object();
  }
  std::vector<std::string> PanelTraces() { return Traces("ZarvelNonModalDialog::"); }
};

TEST_F(AdmPanelTest, ThePanelStartsHiddenWithItsStartingEntriesAndEveryControlDisabled) {
  EXPECT_EQ(harness_.Dump("panel"), Json::parse(R"({"kind":"panel","exists":true,"visible":false,
    "items":[
      {"id":5,"label":"Composer","enabled":false,"entry":0,"text":"Adobe Single Line"},
      {"id":6,"label":"Character Direction","enabled":false,"entry":1,"text":"Default"},
      {"id":7,"label":"Paragraph Direction","enabled":false,"entry":0,"text":"Left to right"},
      {"id":8,"label":"Justification","enabled":false,"entry":0,"text":"Standard"},
      {"id":9,"label":"Digits","enabled":false,"entry":1,"text":"Default"},
      {"id":10,"label":"Diacritics Position","enabled":false,"entry":1,"text":"None"},
      {"id":11,"label":"X","enabled":false,"value":0},
      {"id":12,"label":"Y","enabled":false,"value":0},
      {"id":13,"label":"Story Direction","enabled":false,"entry":0,"text":"Left to right"},
      {"id":14,"label":"Kashidas","enabled":false,"checked":true}]})"));
  harness_.Run("menu \"Window Utilities/Zarvel/Zarvel\"");
  EXPECT_TRUE(harness_.Dump("panel")["visible"].get<bool>());
}

TEST_F(AdmPanelTest, AnActionThatARealPanelWouldNotTakeIsRefusedAndSendsNothing) {
  ShowPanel();
  harness_.Run("panel choose Composer 1");
  EXPECT_EQ(
      Take("refused"),
      (std::vector<Json>{{{"kind", "refused"}, {"reason", "Composer (item 5) is disabled"}}}));
  harness_.Run("new");
  harness_.TakeTraces();
  harness_.Take();

  struct Case {
    const char *line;
    const char *reason;
  };
  const Case cases[] = {
      {"panel choose Colour Red", "the panel has no control 'Colour'"},
      {"panel choose 77 1", "the panel has no control '77'"},
      {"panel choose Digits Purple",
       "Digits (item 9) has no entry 'Purple' (its entries: \"Multiple\", \"Default\", "
       "\"Arabic\", \"Hindi\", \"Farsi\")"},
      {"panel choose Digits 5", "Digits (item 9) has no entry '5'"},
      {"panel choose X 4", "entry 4 of X (item 11) is a separator, which cannot be picked"},
      {"panel choose Kashidas 0", "Kashidas (item 14) is a check box: one cannot choose an entry"},
      {"panel choose 1 0", "Composer (item 1) is a static text: one cannot choose an entry"},
      {"panel click Composer", "Composer (item 5) is a popup list: one cannot click there"},
      {"panel type Digits 3", "Digits (item 9) is a popup list: one cannot type a number"},
      {"panel type Y twelve", "Y (item 12) takes numbers; 'twelve' is not one"},
      {"panel type Y 1e39", "Y (item 12) takes numbers; '1e39' is not one"},
      {"panel menu 1", "entry 1 of the panel menu is a separator, which cannot be picked"},
      {"panel menu Quit", "the panel menu has no entry 'Quit'"},
  };
  for (const Case &c : cases) {
    harness_.Run(c.line);
    const std::vector<Json> refused = Take("refused");
    ASSERT_EQ(refused.size(), 1u) << c.line;
    EXPECT_EQ(refused[0]["reason"].get<std::string>().rfind(c.reason, 0), 0u)
        << c.line << ": " << refused[0]["reason"];
    EXPECT_EQ(harness_.TakeTraces(), std::vector<std::string>{}) << c.line;
  }
}

TEST_F(AdmPanelTest, AnEntryIsFoundByItsTextBeforeItsIndexAndChosenBeforeTheNotification) {
  ShowPanel();
  harness_.Run("new");
  struct Case {
    const char *line;
    int id;
    Json shown;  // the control's "entry" or "value" afterwards
  };
  const Case cases[] = {
      {"panel choose X 0", 11, 0},  // the entry "0", not index 0 ("100")
      {"panel choose X 10", 11, 10},
      {"panel choose X 7", 11, -10},  // no entry reads "7": index 7 is "-10"
      {"panel choose Y -20", 12, -20},
      {"panel type Y 35", 12, 35},
      {"panel type X -2.5", 11, -2.5},
      {"panel choose Composer 2", 5, 2},
      {"panel choose composer \"adobe every line\"", 5, 1},
      {"panel choose 7 \"Right to left\"", 7, 1},
  };
  for (const Case &c : cases) {
    harness_.TakeTraces();
    harness_.Run(c.line);
    EXPECT_TRUE(Take("refused").empty()) << c.line;
    const Json control = Control(c.id);
    EXPECT_EQ(control.contains("value") ? control["value"] : control["entry"], c.shown) << c.line;
    // The item's notify procedure ran, once.
    const std::vector<std::string> traces = PanelTraces();
    EXPECT_EQ(std::count_if(traces.begin(), traces.end(),
                            [](const std::string &t) { return t.ends_with("Proc : Start"); }),
              1)
        << c.line;
  }
  EXPECT_TRUE(Control(14)["checked"].get<bool>());
  harness_.Run("panel click Kashidas");
  EXPECT_FALSE(Control(14)["checked"].get<bool>());
}

TEST_F(AdmPanelTest, ThePanelMenuIsTrackedThenNotifiedAndOpensTheAboutBoxModally) {
  ShowPanel();
  harness_.Run("panel menu \"About Zarvel Panel...\"");
  EXPECT_EQ(PanelTraces(),
            (std::vector<std::string>{"ZarvelNonModalDialog::dialogPopupMenuTrackProc : Start",
                                      "ZarvelNonModalDialog::dialogPopupMenuProc : Start",
                                      "ZarvelNonModalDialog::GetPopupSelection : Start",
                                      "ZarvelNonModalDialog::GetPopupSelection : End",
                                      "ZarvelNonModalDialog::dialogPopupMenuProc : End"}));
  const std::vector<Json> events = Take("modal");
  ASSERT_EQ(events.size(), 1u) << Json(events).dump();
  EXPECT_EQ(events[0], Json::parse(R"({"kind":"modal","name":"About Zarvel","resource":16040,
      "title":"About Zarvel","items":[{"id":1,"text":"OK"},{"id":90,"picture":1686}]})"));

  // The host's own About request runs the same box without a picture.
  harness_.Run("about");
  const std::vector<Json> modal = Take("modal");
  ASSERT_EQ(modal.size(), 1u);
  EXPECT_EQ(modal[0]["name"], "About Dialog");
  EXPECT_EQ(modal[0]["items"], Json::parse(R"([{"id":1,"text":"OK"},{"id":90}])"));
}

TEST_F(AdmPanelTest, WhileTheModuleIsUnloadedNothingOfItIsCalled) {
  ShowPanel();
  harness_.Run({"new", "unload"});
  harness_.Take();
  harness_.TakeTraces();
  for (const char *line : {"panel choose Digits Hindi", "panel click Kashidas", "panel menu 0",
                           "panel dock Tools 1"}) {
    harness_.Run(line);
    EXPECT_EQ(Take("refused"),
              (std::vector<Json>{{{"kind", "refused"}, {"reason", "the module is unloaded"}}}))
        << line;
  }
  EXPECT_TRUE(harness_.Dump("panel")["exists"].get<bool>());
  EXPECT_TRUE(harness_.TakeTraces().empty());

  harness_.Run({"reload", "panel choose Digits Hindi"});
  EXPECT_TRUE(Take("refused").empty());
  EXPECT_EQ(Control(9)["entry"], 3);
}

TEST_F(AdmPanelTest, TheEndDestroysThePanelThroughItsDestroyProcedure) {
  harness_.Run(
      {"panel dock Tools 2", "panel place 40 50 300 200", "panel undock", "panel dock Text 4"});
  EXPECT_TRUE(Take("refused").empty());
  harness_.TakeTraces();
  EXPECT_EQ(harness_.Finish(), 0);
  const std::vector<std::string> traces = PanelTraces();
  ASSERT_FALSE(traces.empty());
  EXPECT_EQ(traces.front(), "ZarvelNonModalDialog::DlgDestroyProc: Start");
  EXPECT_EQ(harness_.Dump("prefs")["prefs"]["ZarvelNonModalDialog"],
            Json::parse(R"({"kADM_DPDockCodeStr":4,"kADM_DPDockGroupStr":"Text",
                "kADM_DPLocationStr":[40,50],"kADM_DPSizeStr":[300,200],
                "kADM_DPVisibleStr":false})"));
}

TEST_F(AdmPanelTest, TheSnapshotDrawsThePanelWithItsLogoEntriesNumbersAndGreyedControls) {
  const zvtest::TempFolder temp;
  const std::string path = temp.PathOf("panel.svg");
  harness_.Run("snapshot " + path);
  std::ifstream file(path);
  std::stringstream svg;
  svg << file.rdbuf();
  const std::string text = svg.str();
  EXPECT_EQ(text.rfind("<?xml", 0), 0u);
  for (const char *expected :
       {"<svg", "width=\"291\"", "data:image/png;base64,iVBORw0KGgo", ">Zarvel</text>",
        ">Composer</text>", ">Adobe Single Line</text>", ">Diacritics Offset</text>", ">0</text>",
        ">Kashidas</text>", "fill=\"#9c9c9c\"", "</svg>"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected;
  }
  harness_.RunExpectingError("snapshot /nonexistent-folder/panel.svg");
}

class AdmPanelWithoutPanelTest : public AdmHostTest {
 protected:
  AdmPanelWithoutPanelTest() : AdmHostTest(Options()) {}
  static zvhost::HostOptions Options() {
    zvhost::HostOptions options;
    options.failures = {"ADM Dialog Suite/Create:1"};
    return options;
  }
};

TEST_F(AdmPanelWithoutPanelTest, PanelCommandsAreRefusedWhenThePlugInMadeNoPanel) {
  EXPECT_EQ(harness_.Dump("panel"), Json::parse(R"({"kind":"panel","exists":false})"));
  harness_.Take();
  for (const char *line : {"panel choose Digits Hindi", "panel menu 0", "panel undock"}) {
    harness_.Run(line);
    EXPECT_EQ(Take("refused"),
              (std::vector<Json>{{{"kind", "refused"}, {"reason", "the plug-in made no panel"}}}))
        << line;
  }
}

}  // namespace

}  // namespace admtest
