// "ADM Dialog Suite" version 10: dialogs, their procedures, user data, items and placement.
#include "ADMDialogSuite.h"
#include "host/adm/AdmSuites.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMDialogSuite;

ADMDialogRef ZV_API Create(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
                           ADMDialogInitProc initProc, ADMUserData userData, int32_t) {
  ZV_ADM_FAILPOINT(Create, nullptr);
  return DialogManager::The().Create(plugin, name, dialogID, style, initProc, userData);
}

int32_t ZV_API Modal(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
                     ADMDialogInitProc initProc, ADMUserData userData, int32_t) {
  ZV_ADM_FAILPOINT(Modal, -1);
  return DialogManager::The().RunModal(plugin, name, dialogID, style, initProc, userData);
}

int32_t ZV_API PopupModal(HostPluginRef plugin, const char *name, int32_t dialogID,
                          ADMDialogInitProc initProc, ADMUserData userData, int32_t) {
  ZV_ADM_FAILPOINT(PopupModal, -1);
  return DialogManager::The().RunModal(plugin, name, dialogID, kADMModalDialogStyle, initProc,
                                       userData);
}

void ZV_API Destroy(ADMDialogRef ref) {
  ZV_ADM_FAILPOINT(Destroy, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, Destroy)) DialogManager::The().Destroy(*dialog);
}

void ZV_API EndModal(ADMDialogRef ref, int32_t modalResultID, HostBool) {
  ZV_ADM_FAILPOINT(EndModal, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, EndModal)) {
    DialogManager::The().EndModal(*dialog, modalResultID);
  }
}

void ZV_API SetDrawProc(ADMDialogRef ref, ADMDialogDrawProc proc) {
  ZV_ADM_FAILPOINT(SetDrawProc, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, SetDrawProc)) dialog->draw = proc;
}

void ZV_API SetTrackProc(ADMDialogRef ref, ADMDialogTrackProc proc) {
  ZV_ADM_FAILPOINT(SetTrackProc, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, SetTrackProc)) dialog->track = proc;
}

void ZV_API SetNotifyProc(ADMDialogRef ref, ADMDialogNotifyProc proc) {
  ZV_ADM_FAILPOINT(SetNotifyProc, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, SetNotifyProc)) dialog->notify = proc;
}

void ZV_API SetDestroyProc(ADMDialogRef ref, ADMDialogDestroyProc proc) {
  ZV_ADM_FAILPOINT(SetDestroyProc, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, SetDestroyProc)) dialog->destroy = proc;
}

// The host draws nothing of its own into a dialog; the default drawing checks its inputs.
void ZV_API DefaultDraw(ADMDialogRef ref, ADMDrawerRef drawer) {
  ZV_ADM_FAILPOINT(DefaultDraw, );
  if (ZV_ADM_FIND(Dialog, ref, DefaultDraw) != nullptr) ZV_ADM_FIND(Drawer, drawer, DefaultDraw);
}

HostBool ZV_API DefaultTrack(ADMDialogRef ref, ADMTrackerRef trackerRef) {
  ZV_ADM_FAILPOINT(DefaultTrack, false);
  if (ZV_ADM_FIND(Dialog, ref, DefaultTrack) == nullptr) return false;
  Tracker *tracker = ZV_ADM_FIND(Tracker, trackerRef, DefaultTrack);
  return tracker != nullptr && !tracker->aborted;
}

// Nothing that reaches a dialog needs more handling than its procedure gave it.
void ZV_API DefaultNotify(ADMDialogRef ref, ADMNotifierRef notifier) {
  ZV_ADM_FAILPOINT(DefaultNotify, );
  if (ZV_ADM_FIND(Dialog, ref, DefaultNotify) != nullptr) {
    ZV_ADM_FIND(Notifier, notifier, DefaultNotify);
  }
}

void ZV_API SetUserData(ADMDialogRef ref, ADMUserData userData) {
  ZV_ADM_FAILPOINT(SetUserData, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, SetUserData)) dialog->userData = userData;
}

ADMUserData ZV_API GetUserData(ADMDialogRef ref) {
  ZV_ADM_FAILPOINT(GetUserData, nullptr);
  Dialog *dialog = ZV_ADM_FIND(Dialog, ref, GetUserData);
  return dialog != nullptr ? dialog->userData : nullptr;
}

ADMItemRef ZV_API GetItem(ADMDialogRef ref, int32_t itemID) {
  ZV_ADM_FAILPOINT(GetItem, nullptr);
  Dialog *dialog = ZV_ADM_FIND(Dialog, ref, GetItem);
  if (dialog == nullptr) return nullptr;
  Item *item = dialog->FindItem(itemID);
  return item != nullptr ? item->ref : nullptr;
}

HostPluginRef ZV_API GetPluginRef(ADMDialogRef ref) {
  ZV_ADM_FAILPOINT(GetPluginRef, nullptr);
  Dialog *dialog = ZV_ADM_FIND(Dialog, ref, GetPluginRef);
  return dialog != nullptr ? dialog->plugin : nullptr;
}

void ZV_API GetBoundsRect(ADMDialogRef ref, HostRect *boundsRect) {
  ZV_ADM_FAILPOINT(GetBoundsRect, );
  Dialog *dialog = ZV_ADM_FIND(Dialog, ref, GetBoundsRect);
  if (dialog != nullptr && boundsRect != nullptr) *boundsRect = dialog->bounds;
}

HostBool ZV_API IsVisible(ADMDialogRef ref) {
  ZV_ADM_FAILPOINT(IsVisible, false);
  Dialog *dialog = ZV_ADM_FIND(Dialog, ref, IsVisible);
  return dialog != nullptr && dialog->visible;
}

void ZV_API Show(ADMDialogRef ref, HostBool show) {
  ZV_ADM_FAILPOINT(Show, );
  if (Dialog *dialog = ZV_ADM_FIND(Dialog, ref, Show))
    DialogManager::The().Show(*dialog, show != 0);
}

// A list that clang-format rewraps differently on every run: kept as written.
// clang-format off
#define DIALOG_OPERATIONS(X) \
  X(Create) X(Modal) X(PopupModal) X(Destroy) X(EndModal) X(SetDrawProc) X(SetTrackProc) \
  X(SetNotifyProc) X(SetDestroyProc) X(DefaultDraw) X(DefaultTrack) X(DefaultNotify) \
  X(SetUserData) X(GetUserData) X(GetItem) X(GetPluginRef) X(GetBoundsRect) X(IsVisible) \
  X(Show)
// clang-format on

const ADMDialogSuite10 kTable = {DIALOG_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmDialogSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMDialogSuiteVersion10, &kTable, {DIALOG_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
