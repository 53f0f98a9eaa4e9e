#include "panel/BaseADMDialog.h"

#include "base/Boundary.h"
#include "base/HostSuites.h"

namespace {

// The object that a dialog carries as its user data, or null.
BaseADMDialog *ObjectOf(ADMDialogRef dialog) {
  return static_cast<BaseADMDialog *>(Require(gADMDialogSuite).GetUserData(dialog));
}

// The object whose dialog the dialog manager is making: its init procedure runs before the
// suite call that makes it returns, and binds the dialog to this object without asking the
// dialog manager for the user data (a failure there would leave the dialog with none of the
// object's procedures, its destroy procedure among them).
BaseADMDialog *gBeingMade = nullptr;

// Marks an object as the one being made for the length of a suite call, or until its init
// procedure takes it.
class Making {
 public:
  explicit Making(BaseADMDialog *object) : outer_(gBeingMade) { gBeingMade = object; }
  ~Making() { gBeingMade = outer_; }
  Making(const Making &) = delete;
  Making &operator=(const Making &) = delete;

 private:
  BaseADMDialog *outer_;
};

}  // namespace

HostErr BaseADMDialog::Init() {
  const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
  dialogs.SetDrawProc(dialog, DrawProc);
  dialogs.SetTrackProc(dialog, TrackProc);
  dialogs.SetNotifyProc(dialog, NotifyProc);
  dialogs.SetDestroyProc(dialog, DestroyProc);
  return kHostNoErr;
}

void BaseADMDialog::Draw(ADMDrawerRef drawer) {
  Require(gADMDialogSuite).DefaultDraw(dialog, drawer);
}

HostBool BaseADMDialog::Track(ADMTrackerRef tracker) {
  return Require(gADMDialogSuite).DefaultTrack(dialog, tracker);
}

void BaseADMDialog::Notify(ADMNotifierRef notifier) {
  Require(gADMDialogSuite).DefaultNotify(dialog, notifier);
}

void BaseADMDialog::OnDestroy() {}

BaseADMDialog::~BaseADMDialog() {
  // A destructor cannot report a missing suite; without one there is nothing to detach from.
  if (dialog == nullptr || isModal != 0 || gADMDialogSuite == nullptr) return;
  const ADMDialogSuite10 &dialogs = *gADMDialogSuite;
  ADMDialogRef bound = dialog;
  dialog = nullptr;
  dialogs.SetUserData(bound, nullptr);
  dialogs.SetDrawProc(bound, nullptr);
  dialogs.SetNotifyProc(bound, nullptr);
  dialogs.SetDestroyProc(bound, nullptr);
  dialogs.Destroy(bound);
}

ADMDialogRef BaseADMDialog::Create(HostPluginRef plugin, const char *name, int32_t dialogID,
                                   int32_t style, int32_t options) {
  Making making(this);
  dialog = Require(gADMDialogSuite)
               .Create(plugin, name, dialogID, style, InitProc, static_cast<BaseADMDialog *>(this),
                       options);
  return dialog;
}

int32_t BaseADMDialog::Modal(HostPluginRef plugin, const char *name, int32_t dialogID,
                             int32_t style, int32_t options) {
  const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
  isModal = 1;
  Making making(this);
  return dialogs.Modal(plugin, name, dialogID, style, InitProc, static_cast<BaseADMDialog *>(this),
                       options);
}

int32_t BaseADMDialog::PopupModal(HostPluginRef plugin, const char *name, int32_t dialogID,
                                  int32_t options) {
  const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
  isModal = 1;
  Making making(this);
  return dialogs.PopupModal(plugin, name, dialogID, InitProc, static_cast<BaseADMDialog *>(this),
                            options);
}

HostErr ZV_API BaseADMDialog::InitProc(ADMDialogRef dialog) noexcept {
  return AtBoundary([dialog]() -> HostErr {
    // The object being made is taken once: a later init procedure is another dialog's.
    BaseADMDialog *object = gBeingMade != nullptr ? gBeingMade : ObjectOf(dialog);
    gBeingMade = nullptr;
    if (object == nullptr) return kHostBadParameterErr;
    // Init needs the dialog while the dialog manager is still creating it.
    object->dialog = dialog;
    return object->Init();
  });
}

void ZV_API BaseADMDialog::DrawProc(ADMDialogRef dialog, ADMDrawerRef drawer) noexcept {
  AtBoundary<CalledWhen::kAnyTime>([dialog, drawer] {
    BaseADMDialog *object = ObjectOf(dialog);
    if (object != nullptr && object->dialog == dialog) object->Draw(drawer);
  });
}

HostBool ZV_API BaseADMDialog::TrackProc(ADMDialogRef dialog, ADMTrackerRef tracker) noexcept {
  HostBool handled = false;
  AtBoundary<CalledWhen::kAnyTime>([dialog, tracker, &handled] {
    BaseADMDialog *object = ObjectOf(dialog);
    if (object != nullptr && object->dialog == dialog) handled = object->Track(tracker);
  });
  return handled;
}

void ZV_API BaseADMDialog::NotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier) noexcept {
  AtBoundary<CalledWhen::kAnyTime>([dialog, notifier] {
    BaseADMDialog *object = ObjectOf(dialog);
    if (object != nullptr) object->Notify(notifier);
  });
}

void ZV_API BaseADMDialog::DestroyProc(ADMDialogRef dialog) noexcept {
  AtBoundary<CalledWhen::kAnyTime>([dialog] {
    BaseADMDialog *object = ObjectOf(dialog);
    if (object == nullptr) return;
    object->OnDestroy();
    // The dialog manager is destroying the dialog already: the object lets go of it so that
    // its destructor does not ask for the dialog to be destroyed a second time. The object
    // itself stays: whoever made it deletes it (the panel's is the plug-in's record).
    object->dialog = nullptr;
  });
}
