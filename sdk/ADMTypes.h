/* Opaque references and procedure types of the dialog manager. */
#ifndef ZARVEL_SDK_ADM_TYPES_H
#define ZARVEL_SDK_ADM_TYPES_H

#include "HostTypes.h"

typedef struct ADMDialog_Opaque *ADMDialogRef;
typedef struct ADMItem_Opaque *ADMItemRef;
typedef struct ADMList_Opaque *ADMListRef;
typedef struct ADMEntry_Opaque *ADMEntryRef;
typedef struct ADMNotifier_Opaque *ADMNotifierRef;
typedef struct ADMTracker_Opaque *ADMTrackerRef;
typedef struct ADMDrawer_Opaque *ADMDrawerRef;
typedef struct ADMIcon_Opaque *ADMIconRef;

/* Pointer-sized data that a plug-in stores with a dialog. */
typedef void *ADMUserData;

/* Dialog styles. */
enum { kADMModalDialogStyle = 0, kADMFloatingDialogStyle = 2, kADMTabbedFloatingDialogStyle = 3 };

/* Item ids with a meaning of their own. */
enum { kADMMenuItemID = -5 };

/* Notifier types. */
#define kADMUserChangedNotifier "ADM User Changed Notifier"
#define kADMIntermediateChangedNotifier "ADM Intermediate Changed Notifier"
#define kADMBoundsChangedNotifier "ADM Bounds Changed Notifier"

typedef HostErr(ZV_API *ADMDialogInitProc)(ADMDialogRef dialog);
typedef void(ZV_API *ADMDialogDrawProc)(ADMDialogRef dialog, ADMDrawerRef drawer);
typedef HostBool(ZV_API *ADMDialogTrackProc)(ADMDialogRef dialog, ADMTrackerRef tracker);
typedef void(ZV_API *ADMDialogNotifyProc)(ADMDialogRef dialog, ADMNotifierRef notifier);
typedef void(ZV_API *ADMDialogDestroyProc)(ADMDialogRef dialog);

typedef void(ZV_API *ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);
typedef HostBool(ZV_API *ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);

#endif
