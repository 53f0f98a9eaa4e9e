// Binds one dialog of the dialog manager to one object: creates it from a dialog resource and
// turns the dialog manager's callbacks into virtual operations. The object belongs to whoever
// made it; the dialog's destroy procedure only detaches it, so that a failed SetDestroyProc
// of a derived class (which leaves this class's procedure in place) cannot delete it twice.
#pragma once

#include <cstdint>

#include "ADMTypes.h"
#include "HostTypes.h"
#include "panel/IADMDialog.h"

class BaseADMDialog : public IADMDialog {
 public:
  BaseADMDialog() = default;
  BaseADMDialog(const BaseADMDialog &) = delete;
  BaseADMDialog &operator=(const BaseADMDialog &) = delete;

  // Installs the draw, track, notify and destroy procedures on the dialog; returns 0.
  virtual HostErr Init();
  virtual void Draw(ADMDrawerRef drawer);
  virtual HostBool Track(ADMTrackerRef tracker);
  virtual void Notify(ADMNotifierRef notifier);
  virtual void OnDestroy();
  // Unless the last run was modal, detaches from the dialog and destroys it.
  virtual ~BaseADMDialog();

  virtual ADMDialogRef Create(HostPluginRef plugin, const char *name, int32_t dialogID,
                              int32_t style, int32_t options);
  virtual int32_t Modal(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
                        int32_t options);
  virtual int32_t PopupModal(HostPluginRef plugin, const char *name, int32_t dialogID,
                             int32_t options);

 protected:
  static HostErr ZV_API InitProc(ADMDialogRef dialog) noexcept;
  static void ZV_API DrawProc(ADMDialogRef dialog, ADMDrawerRef drawer) noexcept;
  static HostBool ZV_API TrackProc(ADMDialogRef dialog, ADMTrackerRef tracker) noexcept;
  static void ZV_API NotifyProc(ADMDialogRef dialog, ADMNotifierRef notifier) noexcept;
  static void ZV_API DestroyProc(ADMDialogRef dialog) noexcept;

  // Set for a modal or pop-up modal run: the dialog manager then owns the dialog's lifetime.
  int32_t isModal = 0;
};
