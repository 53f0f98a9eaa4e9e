// The suites table as data, and the alert that names a suite the host does not offer.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "base/HostSuites.h"

namespace {

struct Row {
  int row;  // 1-based, as the table is read aloud
  const char *name;
  int32_t version;
};

TEST(FrameSuiteTable, HostAndDialogRowsComeFirstInTheirOrder) {
  const Row rows[] = {
      {1, "SP Blocks Suite", 2},
      {2, "AI MdMemory Suite", 1},
      {3, "SP Access Suite", 3},
      {4, "AI Fixed Math Suite", 2},
      {5, "AI Art Set Suite", 6},
      {6, "AI Art Suite", 15},
      {7, "AI Text Frame Suite", 2},
      {8, "AI User Suite", 6},
      {9, "AI Undo Suite", 5},
      {10, "AI Unicode String Suite", 6},
      {11, "AI Runtime Suite", 10},
      {12, "AI User Suite", 9},
      {13, "AI File Path Suite", 2},
      {14, "AI Preference Suite", 4},
      {15, "ADM Dialog Group Suite", 6},
      {16, "ADM Icon Suite", 2},
      {17, "ADM Entry Suite", 2},
      {18, "ADM List Suite", 1},
      {19, "ADM Tracker Suite", 2},
      {20, "ADM Notifier Suite", 2},
      {21, "AI Context Suite", 5},
      {22, "AI Document Suite", 12},
      {23, "AI Notifier Suite", 2},
      {24, "AI Document List Suite", 6},
      {25, "AI Folders Suite", 3},
      {26, "AI Application Suite", 1},
      {27, "AI Menu Suite", 9},
      {28, "AI Notifier Suite", 2},
      {29, "ADM Basic Suite", 10},
      {30, "ADM Dialog Suite", 10},
      {31, "ADM Item Suite", 7},
      {32, "ADM Icon Suite", 1},
      {33, "ATE ApplicationPaint Suite", 1},
      {118, "ATE ArrayComposerEngine Suite", 1},
  };
  for (const Row &expected : rows) {
    const HostSuiteEntry &row = HostSuiteTable[expected.row - 1];
    EXPECT_STREQ(row.name, expected.name) << "row " << expected.row;
    EXPECT_EQ(row.version, expected.version) << "row " << expected.row;
  }
}

TEST(FrameSuiteTable, TheRowsThatNamedVariablesFillAreTheirOwn) {
  const Row rows[] = {{22, "AI Document Suite", 12}, {23, "AI Notifier Suite", 2},
                      {27, "AI Menu Suite", 9},      {28, "AI Notifier Suite", 2},
                      {29, "ADM Basic Suite", 10},   {30, "ADM Dialog Suite", 10}};
  const void *const targets[] = {&gAIDocumentSuite,  &gAINotifierSuite, &gAIMenuSuite,
                                 &gAINotifierSuite2, &gADMBasicSuite,   &gADMDialogSuite};
  for (size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(static_cast<const void *>(HostSuiteTable[rows[i].row - 1].target), targets[i])
        << "row " << rows[i].row;
  }
  EXPECT_EQ(static_cast<const void *>(HostSuiteTable[117].target),
            static_cast<const void *>(&gATEArrayComposerEngineSuite));
}

TEST(FrameSuiteTable, EveryRowHasATargetOfItsOwn) {
  std::set<const void **> targets;
  for (const HostSuiteEntry &row : HostSuiteTable) {
    ASSERT_NE(row.target, nullptr) << row.name;
    EXPECT_TRUE(targets.insert(row.target).second) << row.name << " shares its variable";
  }
  EXPECT_EQ(targets.size(), 118u);
}

TEST(FrameSuiteTable, TextEngineRowsAskForVersionOneExceptEight) {
  const std::set<std::string> version101 = {
      "ATE TextFrame Suite",     "ATE DocumentTextResources Suite",
      "ATE CharFeatures Suite",  "ATE CharInspector Suite",
      "ATE Find Suite",          "ATE ParaFeatures Suite",
      "ATE ParaInspector Suite", "ATE Spell Suite"};
  int count101 = 0;
  for (int index = 32; index < 118; ++index) {
    const HostSuiteEntry &row = HostSuiteTable[index];
    const std::string name = row.name;
    EXPECT_EQ(name.rfind("ATE ", 0), 0u) << "row " << index + 1 << ": " << name;
    EXPECT_TRUE(name.ends_with(" Suite")) << "row " << index + 1 << ": " << name;
    const int32_t expected = version101.count(name) != 0 ? 101 : 1;
    EXPECT_EQ(row.version, expected) << name;
    if (row.version == 101) ++count101;
  }
  EXPECT_EQ(count101, 8);
}

TEST(FrameSuiteAlert, NamesTheCodeTheSuiteAndItsVersion) {
  const HostSuiteEntry &dialogRow = HostSuiteTable[29];
  EXPECT_STREQ(SuiteAlertText(kHostSuiteNotFoundErr, dialogRow).data(),
               "Error: 1394689636, suite: ADM Dialog Suite, version: 10!");
  EXPECT_STREQ(SuiteAlertText(-108, HostSuiteTable[30]).data(),
               "Error: -108, suite: ADM Item Suite, version: 7!");
}

TEST(FrameSuiteAlert, ALongNameIsCutWithinTheBuffer) {
  const std::string longName(400, 'x');
  const HostSuiteEntry row{longName.c_str(), 1, nullptr};
  const std::array<char, 256> text = SuiteAlertText(1, row);
  EXPECT_EQ(std::strlen(text.data()), 255u);
  EXPECT_EQ(std::string(text.data()).rfind("Error: 1, suite: xxx", 0), 0u);
}

}  // namespace
