// The preference suite: typed values per prefix and key, and what the panel stores in it.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "AIPreferenceSuite.h"
#include "support/HostHarness.h"

namespace {

using zvtest::HostHarness;
using zvtest::Json;

constexpr HostErr kNess = ZV_FOUR_CHAR('N', 'E', 'S', 'S');

class PrefSuite : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(harness_.host().suites.Acquire(kAIPreferenceSuite, kAIPreferenceSuiteVersion4,
                                             reinterpret_cast<const void **>(&prefs_)),
              0);
  }
  void TearDown() override {
    harness_.host().suites.Release(kAIPreferenceSuite, kAIPreferenceSuiteVersion4);
  }
  Json Stored() { return harness_.Dump("prefs")["prefs"]; }

  HostHarness harness_;
  const AIPreferenceSuite4 *prefs_ = nullptr;
};

TEST_F(PrefSuite, EachTypeReadsBackWhatWasStored) {
  const HostPoint corner{-3, 2147483647};
  ASSERT_EQ(prefs_->PutIntegerPreference("P", "int", -2147483647 - 1), 0);
  ASSERT_EQ(prefs_->PutBooleanPreference("P", "flag", 7), 0);
  ASSERT_EQ(prefs_->PutStringPreference("P", "text", "Docked \x80"), 0);
  ASSERT_EQ(prefs_->PutPointPreference("Q", "corner", &corner), 0);

  int32_t number = 0;
  HostBool flag = 0;
  char text[32];
  HostPoint point{};
  ASSERT_EQ(prefs_->GetIntegerPreference("P", "int", &number), 0);
  EXPECT_EQ(number, -2147483647 - 1);
  ASSERT_EQ(prefs_->GetBooleanPreference("P", "flag", &flag), 0);
  EXPECT_EQ(flag, 1);
  ASSERT_EQ(prefs_->GetStringPreference("P", "text", text, sizeof text), 0);
  EXPECT_STREQ(text, "Docked \x80");
  ASSERT_EQ(prefs_->GetPointPreference("Q", "corner", &point), 0);
  EXPECT_EQ(point.h, -3);
  EXPECT_EQ(point.v, 2147483647);

  EXPECT_EQ(Stored(), Json::parse(R"({
    "P": {"flag": true, "int": -2147483648, "text": "Docked \u20ac"},
    "Q": {"corner": [-3, 2147483647]}})"));
}

TEST_F(PrefSuite, AStoreReplacesWhatTheKeyHeldWhateverItsType) {
  ASSERT_EQ(prefs_->PutIntegerPreference("P", "k", 5), 0);
  ASSERT_EQ(prefs_->PutStringPreference("P", "k", "five"), 0);
  int32_t number = 42;
  EXPECT_EQ(prefs_->GetIntegerPreference("P", "k", &number), kAIPreferenceNotFoundErr);
  EXPECT_EQ(number, 42);
  EXPECT_EQ(Stored(), Json::parse(R"({"P": {"k": "five"}})"));
}

TEST_F(PrefSuite, ReadsOfNothingOrOfAnotherTypeFailAndLeaveTheValue) {
  ASSERT_EQ(prefs_->PutBooleanPreference("P", "flag", 1), 0);
  int32_t number = 42;
  HostBool flag = 9;
  HostPoint point{4, 5};
  char text[8] = "keep";
  struct Case {
    const char *what;
    std::function<HostErr()> call;
    HostErr expected;
  };
  const Case cases[] = {
      {"integer of a boolean", [&] { return prefs_->GetIntegerPreference("P", "flag", &number); },
       kAIPreferenceNotFoundErr},
      {"missing key", [&] { return prefs_->GetBooleanPreference("P", "none", &flag); },
       kAIPreferenceNotFoundErr},
      {"missing prefix", [&] { return prefs_->GetPointPreference("R", "flag", &point); },
       kAIPreferenceNotFoundErr},
      {"string of a boolean", [&] { return prefs_->GetStringPreference("P", "flag", text, 8); },
       kAIPreferenceNotFoundErr},
      {"null prefix", [&] { return prefs_->GetBooleanPreference(nullptr, "flag", &flag); },
       kHostBadParameterErr},
      {"null key", [&] { return prefs_->PutIntegerPreference("P", nullptr, 1); },
       kHostBadParameterErr},
      {"null out", [&] { return prefs_->GetBooleanPreference("P", "flag", nullptr); },
       kHostBadParameterErr},
      {"null point", [&] { return prefs_->PutPointPreference("P", "p", nullptr); },
       kHostBadParameterErr},
      {"null string", [&] { return prefs_->PutStringPreference("P", "s", nullptr); },
       kHostBadParameterErr},
  };
  for (const Case &c : cases) EXPECT_EQ(c.call(), c.expected) << c.what;
  EXPECT_EQ(number, 42);
  EXPECT_EQ(flag, 9);
  EXPECT_EQ(point.h, 4);
  EXPECT_STREQ(text, "keep");
  EXPECT_EQ(Stored(), Json::parse(R"({"P": {"flag": true}})"));
}

TEST_F(PrefSuite, AStringIsReadOnlyWhole) {
  ASSERT_EQ(prefs_->PutStringPreference("P", "s", "Tools"), 0);
  char text[8] = "keep";
  EXPECT_EQ(prefs_->GetStringPreference("P", "s", text, 5), kHostBadParameterErr);
  EXPECT_STREQ(text, "keep");
  EXPECT_EQ(prefs_->GetStringPreference("P", "s", text, 0), kHostBadParameterErr);
  ASSERT_EQ(prefs_->GetStringPreference("P", "s", text, 6), 0);
  EXPECT_STREQ(text, "Tools");
}

TEST_F(PrefSuite, NamesInThePlatformEncodingAreTheSameNamesInTheFile) {
  ASSERT_EQ(prefs_->PutIntegerPreference("Pr\xe9", "cl\xe9", 3), 0);
  EXPECT_EQ(Stored(), Json::parse(R"({"Pr\u00e9": {"cl\u00e9": 3}})"));
  int32_t number = 0;
  ASSERT_EQ(prefs_->GetIntegerPreference("Pr\xe9", "cl\xe9", &number), 0);
  EXPECT_EQ(number, 3);
}

TEST_F(PrefSuite, EveryOperationCanBeMadeToFail) {
  ASSERT_EQ(prefs_->PutIntegerPreference("P", "i", 1), 0);
  ASSERT_EQ(prefs_->PutBooleanPreference("P", "b", 1), 0);
  ASSERT_EQ(prefs_->PutStringPreference("P", "s", "x"), 0);
  const HostPoint origin{0, 0};
  ASSERT_EQ(prefs_->PutPointPreference("P", "p", &origin), 0);
  int32_t number = 0;
  HostBool flag = 0;
  char text[8];
  HostPoint point{};
  struct Case {
    const char *operation;
    std::function<HostErr()> call;
  };
  const Case cases[] = {
      {"GetIntegerPreference", [&] { return prefs_->GetIntegerPreference("P", "i", &number); }},
      {"PutIntegerPreference", [&] { return prefs_->PutIntegerPreference("P", "i", 2); }},
      {"GetBooleanPreference", [&] { return prefs_->GetBooleanPreference("P", "b", &flag); }},
      {"PutBooleanPreference", [&] { return prefs_->PutBooleanPreference("P", "b", 0); }},
      {"GetStringPreference", [&] { return prefs_->GetStringPreference("P", "s", text, 8); }},
      {"PutStringPreference", [&] { return prefs_->PutStringPreference("P", "s", "y"); }},
      {"GetPointPreference", [&] { return prefs_->GetPointPreference("P", "p", &point); }},
      {"PutPointPreference", [&] { return prefs_->PutPointPreference("P", "p", &origin); }},
  };
  for (const Case &c : cases) {
    harness_.Run(std::string("fail \"AI Preference Suite/") + c.operation + ":NESS\"");
    Json before = Stored();
    EXPECT_EQ(c.call(), kNess) << c.operation;
    EXPECT_EQ(Stored(), before) << c.operation << ": a failed call changes nothing";
    EXPECT_EQ(c.call(), 0) << c.operation;
  }
}

TEST(PrefPanel, DestroyingThePanelStoresItsPlacement) {
  struct Case {
    std::vector<std::string> lines;
    Json expected;
  };
  const Case cases[] = {
      {{"menu \"Window Utilities/Zarvel/Zarvel\"", "panel place 100 120 291 330"},
       Json::parse(R"({"kADM_DPDockCodeStr": 0, "kADM_DPDockGroupStr": "",
                       "kADM_DPLocationStr": [100, 120], "kADM_DPSizeStr": [291, 330],
                       "kADM_DPVisibleStr": true})")},
      {{"panel dock Tools 3", "panel place 10 20 200 150"},
       Json::parse(R"({"kADM_DPDockCodeStr": 3, "kADM_DPDockGroupStr": "Tools",
                       "kADM_DPLocationStr": [10, 20], "kADM_DPSizeStr": [200, 150],
                       "kADM_DPVisibleStr": false})")},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.lines.back());
    HostHarness harness;
    for (const std::string &line : c.lines) harness.Run(line);
    EXPECT_EQ(harness.Dump("prefs")["prefs"], Json::object()) << "nothing before the end";
    harness.Finish();
    EXPECT_EQ(harness.Dump("prefs")["prefs"], Json({{"ZarvelNonModalDialog", c.expected}}));
  }
}

}  // namespace
