#ifndef ZARVEL_SDK_ADM_DIALOG_GROUP_SUITE_H
#define ZARVEL_SDK_ADM_DIALOG_GROUP_SUITE_H

#include "ADMTypes.h"

#define kADMDialogGroupSuite "ADM Dialog Group Suite"
#define kADMDialogGroupSuiteVersion6 6

typedef struct ADMDialogGroupSuite6 {
  /* The name of the docking group the dialog is in ("" when it floats alone; the text
   * belongs to the host and stays valid until the dialog is docked again) and its
   * position code in that group. Outputs untouched on failure. */
  HostErr(ZV_API *GetDialogGroupInfo)(ADMDialogRef dialog, const char **groupName,
                                      int32_t *positionCode);
  /* Docks the dialog into the named group at the position code. */
  HostErr(ZV_API *SetDialogGroupInfo)(ADMDialogRef dialog, const char *groupName,
                                      int32_t positionCode);
} ADMDialogGroupSuite6;

#endif
