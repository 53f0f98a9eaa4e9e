#ifndef ZARVEL_SDK_ADM_TRACKER_SUITE_H
#define ZARVEL_SDK_ADM_TRACKER_SUITE_H

#include "ADMTypes.h"

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion2 2

enum { kADMMouseDownAction = 1, kADMMouseUpAction = 2 };

typedef struct ADMTrackerSuite2 {
  int32_t(ZV_API *GetAction)(ADMTrackerRef tracker);
  void(ZV_API *GetPoint)(ADMTrackerRef tracker, HostPoint *point);
  /* Stops the dialog manager's own handling of the event. */
  void(ZV_API *Abort)(ADMTrackerRef tracker);
} ADMTrackerSuite2;

#endif
