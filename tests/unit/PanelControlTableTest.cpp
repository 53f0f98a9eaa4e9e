// The control table agrees with the panel that the host builds from the module's compiled
// resources: every row names a control of the dialog by its id and label, and fills its list
// from a menu with one entry per value the row writes.
#include <gtest/gtest.h>

#include <algorithm>

#include "PanelHostTest.h"
#include "commands/ListValues.h"
#include "host/adm/ControlFinder.h"
#include "host/adm/DialogManager.h"
#include "panel/PanelControlTable.h"

namespace paneltest {
namespace {

using zvhost::ItemKind;

class PanelControlTableTest : public PanelHostTest {};

TEST_F(PanelControlTableTest, EveryRowNamesAControlOfTheDialogAndItsList) {
  const zvhost::Dialog *dialog = zvhost::DialogManager::The().Panel();
  ASSERT_NE(dialog, nullptr);
  for (const panel::PanelControl &row : panel::kControls) {
    SCOPED_TRACE(row.label);
    const zvhost::Item *item = dialog->FindItem(row.itemID);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(zvhost::LabelOf(*dialog, *item), row.label);
    if (row.menuResID == 0) {
      EXPECT_EQ(item->kind, ItemKind::kCheckBox);
      continue;
    }
    ASSERT_TRUE(item->list);
    EXPECT_EQ(item->list->menuID, row.menuResID);
    if (row.values != nullptr) {
      EXPECT_EQ(item->list->entries.size(), row.values->entries.size());
    }
  }
}

TEST_F(PanelControlTableTest, EveryControlOfTheDialogHasARow) {
  const zvhost::Dialog *dialog = zvhost::DialogManager::The().Panel();
  ASSERT_NE(dialog, nullptr);
  for (const auto &item : dialog->items) {
    const bool control = item->kind == ItemKind::kPopupList ||
                         item->kind == ItemKind::kSpinEditPopup ||
                         item->kind == ItemKind::kCheckBox;
    if (!control) continue;
    EXPECT_TRUE(std::ranges::any_of(
        panel::kControls, [&](const panel::PanelControl &row) { return row.itemID == item->id; }))
        << "item " << item->id;
  }
}

}  // namespace
}  // namespace paneltest
