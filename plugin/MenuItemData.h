// The record with which a menu item is added: the group that receives it and its text.
#pragma once

#include "AIMenuSuite.h"
#include "plugin/UnicodeString.h"

class MenuItemData {
 public:
  // `groupName` must outlive the record; the text is made here and released with it.
  MenuItemData(const char *groupName, const char *itemText)
      : text_(itemText), record_{groupName, text_.Ref()} {}

  // The record as the AI Menu Suite takes it; the host copies what it keeps.
  AIPlatformAddMenuItemDataUS *Record() { return &record_; }

 private:
  ai::UnicodeString text_;
  AIPlatformAddMenuItemDataUS record_;
};
