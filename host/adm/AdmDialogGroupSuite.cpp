// "ADM Dialog Group Suite" version 6: the docking group a dialog is in.
#include "ADMDialogGroupSuite.h"
#include "host/adm/AdmSuites.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMDialogGroupSuite;

HostErr ZV_API GetDialogGroupInfo(ADMDialogRef ref, const char **groupName, int32_t *positionCode) {
  if (HostErr err = Failpoint(kSuite, "GetDialogGroupInfo")) return err;
  Dialog *dialog = ZV_ADM_FIND(Dialog, ref, GetDialogGroupInfo);
  if (dialog == nullptr || groupName == nullptr || positionCode == nullptr) {
    return kHostBadParameterErr;
  }
  *groupName = dialog->groupName.c_str();
  *positionCode = dialog->positionCode;
  return kHostNoErr;
}

HostErr ZV_API SetDialogGroupInfo(ADMDialogRef ref, const char *groupName, int32_t positionCode) {
  if (HostErr err = Failpoint(kSuite, "SetDialogGroupInfo")) return err;
  Dialog *dialog = ZV_ADM_FIND(Dialog, ref, SetDialogGroupInfo);
  if (dialog == nullptr || groupName == nullptr) return kHostBadParameterErr;
  dialog->groupName = groupName;
  dialog->positionCode = positionCode;
  return kHostNoErr;
}

#define GROUP_OPERATIONS(X) X(GetDialogGroupInfo) X(SetDialogGroupInfo)

const ADMDialogGroupSuite6 kTable = {GROUP_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmDialogGroupSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMDialogGroupSuiteVersion6, &kTable,
               {GROUP_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
