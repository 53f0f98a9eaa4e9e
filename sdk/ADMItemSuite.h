#ifndef ZARVEL_SDK_ADM_ITEM_SUITE_H
#define ZARVEL_SDK_ADM_ITEM_SUITE_H

#include "ADMTypes.h"

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion7 7

typedef struct ADMItemSuite7 {
  void(ZV_API *SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  void(ZV_API *SetTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
  /* The dialog manager's own handling; a push button's ends a modal run. */
  void(ZV_API *DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
  HostBool(ZV_API *DefaultTrack)(ADMItemRef item, ADMTrackerRef tracker);

  /* The item's list (popup lists, spin-edit popups, the panel menu), or null. */
  ADMListRef(ZV_API *GetList)(ADMItemRef item);
  ADMDialogRef(ZV_API *GetDialog)(ADMItemRef item);
  /* The plug-in that owns the item's dialog. */
  HostPluginRef(ZV_API *GetPluginRef)(ADMItemRef item);
  int32_t(ZV_API *GetID)(ADMItemRef item);

  /* Shows picture resource `pictureResID` of the item's plug-in. */
  void(ZV_API *SetPicture)(ADMItemRef item, int32_t pictureResID, const char *pictureName);

  void(ZV_API *Enable)(ADMItemRef item, HostBool enable);
  HostBool(ZV_API *IsEnabled)(ADMItemRef item);
  void(ZV_API *Show)(ADMItemRef item, HostBool show);
  HostBool(ZV_API *IsVisible)(ADMItemRef item);

  void(ZV_API *SetBooleanValue)(ADMItemRef item, HostBool value);
  HostBool(ZV_API *GetBooleanValue)(ADMItemRef item);
  void(ZV_API *SetFloatValue)(ADMItemRef item, float value);
  float(ZV_API *GetFloatValue)(ADMItemRef item);
  void(ZV_API *SetIntValue)(ADMItemRef item, int32_t value);
  int32_t(ZV_API *GetIntValue)(ADMItemRef item);
  /* The item's text; the host copies it. */
  void(ZV_API *SetText)(ADMItemRef item, const char *text);
  /* Copies the item's text into text (NUL-terminated, at most maxLength bytes). */
  void(ZV_API *GetText)(ADMItemRef item, char *text, int32_t maxLength);
} ADMItemSuite7;

#endif
