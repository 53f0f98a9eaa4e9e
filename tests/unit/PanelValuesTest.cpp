// The panel's value lists and the decision whether the selected runs agree.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "commands/ValueLists.h"
#include "panel/PanelControlTable.h"
#include "panel/RunAgreement.h"

namespace {

using panel::Agreement;
using panel::AgreementOf;

TEST(PanelRunAgreement, DecidesAbsentUniformAndMixed) {
  struct Case {
    std::vector<int32_t> values;
    Agreement expected;
  };
  const Case cases[] = {
      {{}, Agreement::kAbsent},    {{2}, Agreement::kUniform},     {{1, 1, 1}, Agreement::kUniform},
      {{1, 2}, Agreement::kMixed}, {{1, 1, 2}, Agreement::kMixed}, {{3, 1, 3}, Agreement::kMixed},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(AgreementOf<int32_t>(c.values), c.expected) << ::testing::PrintToString(c.values);
  }
}

TEST(PanelRunAgreement, AnOffsetThatIsNotANumberIsNeverUniform) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  EXPECT_EQ(AgreementOf<float>(std::vector<float>{nan}), Agreement::kMixed);
  EXPECT_EQ(AgreementOf<float>(std::vector<float>{10.0f, nan}), Agreement::kMixed);
  EXPECT_EQ(AgreementOf<float>(std::vector<float>{-0.0f, 0.0f}), Agreement::kUniform);
  EXPECT_EQ(AgreementOf<float>(std::vector<float>{10.0f, -10.0f}), Agreement::kMixed);
}

TEST(PanelComposerChoices, EveryEntryShowsThePairItWrites) {
  for (int32_t entry = 0; entry < 4; ++entry) {
    const panel::ComposerChoice *choice = panel::ComposerChoiceForEntry(entry);
    ASSERT_NE(choice, nullptr) << entry;
    EXPECT_EQ(panel::ComposerEntryFor(choice->engine, choice->everyLine), entry);
  }
  EXPECT_EQ(panel::ComposerChoiceForEntry(-1), nullptr);
  EXPECT_EQ(panel::ComposerChoiceForEntry(4), nullptr);
}

TEST(PanelComposerChoices, AnEngineNoEntryNamesShowsTheLastEntry) {
  EXPECT_EQ(panel::ComposerEntryFor(2, false), 3);
  EXPECT_EQ(panel::ComposerEntryFor(-1, true), 3);
}

TEST(PanelValueLists, RunListsKeepMultipleAtTheTopAndNameOnlyKnownValues) {
  // Entry 0 is "Multiple" in the three run lists: no engine value may map onto it.
  for (const ListValues &values :
       {lists::kDirOverrides, lists::kDigitSets, lists::kDiacVPositions}) {
    for (int32_t value = -1; value <= 5; ++value) {
      EXPECT_NE(values.EntryOf(value), panel::kMultipleEntry) << value;
    }
    EXPECT_EQ(values.EntryOf(0), panel::kNoRunsEntry);
    EXPECT_EQ(values.EntryOf(5), std::nullopt);
    EXPECT_EQ(values.EntryOf(-1), std::nullopt);
  }
}

TEST(PanelValueLists, EveryValueIsShownAtTheOneEntryThatWritesIt) {
  for (const panel::PanelControl &control : panel::kControls) {
    if (control.values == nullptr) continue;
    const ListValues &values = *control.values;
    for (int32_t entry = 0; entry < static_cast<int32_t>(values.entries.size()); ++entry) {
      if (const std::optional<int32_t> value = values.At(entry)) {
        EXPECT_EQ(values.EntryOf(*value), entry) << control.label << ", value " << *value;
      }
    }
  }
}

}  // namespace
