#ifndef ZARVEL_SDK_ADM_DIALOG_SUITE_H
#define ZARVEL_SDK_ADM_DIALOG_SUITE_H

#include "ADMTypes.h"

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion10 10

typedef struct ADMDialogSuite10 {
  /* A floating dialog from dialog resource `dialogID`, created hidden; initProc runs before
   * this returns. Null on failure. The dialog lives until Destroy or the host's shut-down. */
  ADMDialogRef(ZV_API *Create)(HostPluginRef plugin, const char *name, int32_t dialogID,
                               int32_t style, ADMDialogInitProc initProc, ADMUserData userData,
                               int32_t options);
  /* Runs a modal dialog until it is ended; the dialog is destroyed afterwards. Returns the
   * id of the item that ended it, or -1 when it could not be made. */
  int32_t(ZV_API *Modal)(HostPluginRef plugin, const char *name, int32_t dialogID, int32_t style,
                         ADMDialogInitProc initProc, ADMUserData userData, int32_t options);
  /* As Modal, in the pop-up modal style. */
  int32_t(ZV_API *PopupModal)(HostPluginRef plugin, const char *name, int32_t dialogID,
                              ADMDialogInitProc initProc, ADMUserData userData, int32_t options);
  /* Destroys a floating dialog; its destroy procedure runs first. */
  void(ZV_API *Destroy)(ADMDialogRef dialog);
  /* Ends a modal run with the given item id as its result. */
  void(ZV_API *EndModal)(ADMDialogRef dialog, int32_t modalResultID, HostBool cancelling);

  /* The procedures the dialog manager calls; null removes one. */
  void(ZV_API *SetDrawProc)(ADMDialogRef dialog, ADMDialogDrawProc proc);
  void(ZV_API *SetTrackProc)(ADMDialogRef dialog, ADMDialogTrackProc proc);
  void(ZV_API *SetNotifyProc)(ADMDialogRef dialog, ADMDialogNotifyProc proc);
  void(ZV_API *SetDestroyProc)(ADMDialogRef dialog, ADMDialogDestroyProc proc);

  /* The dialog manager's own handling, for procedures that add to it. */
  void(ZV_API *DefaultDraw)(ADMDialogRef dialog, ADMDrawerRef drawer);
  HostBool(ZV_API *DefaultTrack)(ADMDialogRef dialog, ADMTrackerRef tracker);
  void(ZV_API *DefaultNotify)(ADMDialogRef dialog, ADMNotifierRef notifier);

  void(ZV_API *SetUserData)(ADMDialogRef dialog, ADMUserData userData);
  ADMUserData(ZV_API *GetUserData)(ADMDialogRef dialog);

  /* The item with that id, or null when the dialog has none. */
  ADMItemRef(ZV_API *GetItem)(ADMDialogRef dialog, int32_t itemID);
  HostPluginRef(ZV_API *GetPluginRef)(ADMDialogRef dialog);
  /* The dialog's bounds in screen pixels. */
  void(ZV_API *GetBoundsRect)(ADMDialogRef dialog, HostRect *boundsRect);
  HostBool(ZV_API *IsVisible)(ADMDialogRef dialog);
  void(ZV_API *Show)(ADMDialogRef dialog, HostBool show);
} ADMDialogSuite10;

#endif
