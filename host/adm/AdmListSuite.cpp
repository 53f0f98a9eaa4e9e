// "ADM List Suite" version 1: a list's entries from a menu resource, by index, the chosen one.
#include "ADMListSuite.h"
#include "host/adm/AdmSuites.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMListSuite;

void ZV_API SetMenuID(ADMListRef ref, int32_t menuResID) {
  ZV_ADM_FAILPOINT(SetMenuID, );
  if (List *list = ZV_ADM_FIND(List, ref, SetMenuID))
    DialogManager::The().SetMenu(*list, menuResID);
}

int32_t ZV_API GetMenuID(ADMListRef ref) {
  ZV_ADM_FAILPOINT(GetMenuID, 0);
  List *list = ZV_ADM_FIND(List, ref, GetMenuID);
  return list != nullptr ? list->menuID : 0;
}

int32_t ZV_API NumberOfEntries(ADMListRef ref) {
  ZV_ADM_FAILPOINT(NumberOfEntries, 0);
  List *list = ZV_ADM_FIND(List, ref, NumberOfEntries);
  return list != nullptr ? static_cast<int32_t>(list->entries.size()) : 0;
}

ADMEntryRef ZV_API IndexEntry(ADMListRef ref, int32_t index) {
  ZV_ADM_FAILPOINT(IndexEntry, nullptr);
  List *list = ZV_ADM_FIND(List, ref, IndexEntry);
  if (list == nullptr || index < 0 || static_cast<size_t>(index) >= list->entries.size()) {
    return nullptr;
  }
  return list->entries[static_cast<size_t>(index)]->ref;
}

ADMEntryRef ZV_API GetActiveEntry(ADMListRef ref) {
  ZV_ADM_FAILPOINT(GetActiveEntry, nullptr);
  List *list = ZV_ADM_FIND(List, ref, GetActiveEntry);
  return list != nullptr && list->chosen != nullptr ? list->chosen->ref : nullptr;
}

#define LIST_OPERATIONS(X) \
  X(SetMenuID) X(GetMenuID) X(NumberOfEntries) X(IndexEntry) X(GetActiveEntry)

const ADMListSuite1 kTable = {LIST_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmListSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMListSuiteVersion1, &kTable, {LIST_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
