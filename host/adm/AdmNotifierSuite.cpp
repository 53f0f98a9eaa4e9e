// "ADM Notifier Suite" version 2: what a notification is about.
#include "ADMNotifierSuite.h"
#include "host/adm/AdmSuites.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMNotifierSuite;

HostBool ZV_API IsNotifierType(ADMNotifierRef ref, const char *notifierType) {
  ZV_ADM_FAILPOINT(IsNotifierType, false);
  Notifier *notifier = ZV_ADM_FIND(Notifier, ref, IsNotifierType);
  return notifier != nullptr && notifierType != nullptr && notifier->type == notifierType;
}

ADMItemRef ZV_API GetItem(ADMNotifierRef ref) {
  ZV_ADM_FAILPOINT(GetItem, nullptr);
  Notifier *notifier = ZV_ADM_FIND(Notifier, ref, GetItem);
  return notifier != nullptr && notifier->item != nullptr ? notifier->item->ref : nullptr;
}

ADMDialogRef ZV_API GetDialog(ADMNotifierRef ref) {
  ZV_ADM_FAILPOINT(GetDialog, nullptr);
  Notifier *notifier = ZV_ADM_FIND(Notifier, ref, GetDialog);
  return notifier != nullptr ? notifier->dialog->ref : nullptr;
}

void ZV_API GetNotifierType(ADMNotifierRef ref, char *notifierType, int32_t maxLength) {
  ZV_ADM_FAILPOINT(GetNotifierType, );
  if (Notifier *notifier = ZV_ADM_FIND(Notifier, ref, GetNotifierType)) {
    CopyText(notifier->type, notifierType, maxLength);
  }
}

#define NOTIFIER_OPERATIONS(X) X(IsNotifierType) X(GetItem) X(GetDialog) X(GetNotifierType)

const ADMNotifierSuite2 kTable = {NOTIFIER_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmNotifierSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMNotifierSuiteVersion2, &kTable,
               {NOTIFIER_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
