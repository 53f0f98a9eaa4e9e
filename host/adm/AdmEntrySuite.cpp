// "ADM Entry Suite" version 2: choosing an entry, and what an entry is.
#include "ADMEntrySuite.h"
#include "host/adm/AdmSuites.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMEntrySuite;

void ZV_API Select(ADMEntryRef ref, HostBool select) {
  ZV_ADM_FAILPOINT(Select, );
  if (Entry *entry = ZV_ADM_FIND(Entry, ref, Select)) {
    DialogManager::The().Select(*entry, select != 0);
  }
}

HostBool ZV_API IsSelected(ADMEntryRef ref) {
  ZV_ADM_FAILPOINT(IsSelected, false);
  Entry *entry = ZV_ADM_FIND(Entry, ref, IsSelected);
  return entry != nullptr && entry->list->chosen == entry;
}

int32_t ZV_API GetIndex(ADMEntryRef ref) {
  ZV_ADM_FAILPOINT(GetIndex, -1);
  Entry *entry = ZV_ADM_FIND(Entry, ref, GetIndex);
  return entry != nullptr ? entry->list->IndexOf(entry) : -1;
}

int32_t ZV_API GetID(ADMEntryRef ref) {
  ZV_ADM_FAILPOINT(GetID, 0);
  Entry *entry = ZV_ADM_FIND(Entry, ref, GetID);
  return entry != nullptr ? entry->id : 0;
}

HostBool ZV_API IsSeparator(ADMEntryRef ref) {
  ZV_ADM_FAILPOINT(IsSeparator, false);
  Entry *entry = ZV_ADM_FIND(Entry, ref, IsSeparator);
  return entry != nullptr && entry->separator;
}

void ZV_API GetText(ADMEntryRef ref, char *text, int32_t maxLength) {
  ZV_ADM_FAILPOINT(GetText, );
  if (Entry *entry = ZV_ADM_FIND(Entry, ref, GetText)) CopyText(entry->text, text, maxLength);
}

#define ENTRY_OPERATIONS(X) X(Select) X(IsSelected) X(GetIndex) X(GetID) X(IsSeparator) X(GetText)

const ADMEntrySuite2 kTable = {ENTRY_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmEntrySuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMEntrySuiteVersion2, &kTable, {ENTRY_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
