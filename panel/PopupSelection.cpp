#include "panel/PopupSelection.h"

#include "base/HostSuites.h"
#include "base/Trace.h"

int32_t panel::PopupSelection(ADMItemRef item) {
  Trace("ZarvelNonModalDialog::GetPopupSelection : Start");
  int32_t index = -1;
  if (ADMListRef list = Require(gADMItemSuite).GetList(item)) {
    if (ADMEntryRef entry = Require(gADMListSuite).GetActiveEntry(list)) {
      index = Require(gADMEntrySuite).GetIndex(entry);
    }
  }
  Trace("ZarvelNonModalDialog::GetPopupSelection : End");
  return index;
}
