// "ADM Tracker Suite" version 2: the mouse event being tracked.
#include "ADMTrackerSuite.h"
#include "host/adm/AdmSuites.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kADMTrackerSuite;

int32_t ZV_API GetAction(ADMTrackerRef ref) {
  ZV_ADM_FAILPOINT(GetAction, 0);
  Tracker *tracker = ZV_ADM_FIND(Tracker, ref, GetAction);
  return tracker != nullptr ? tracker->action : 0;
}

void ZV_API GetPoint(ADMTrackerRef ref, HostPoint *point) {
  ZV_ADM_FAILPOINT(GetPoint, );
  Tracker *tracker = ZV_ADM_FIND(Tracker, ref, GetPoint);
  if (tracker != nullptr && point != nullptr) *point = tracker->point;
}

void ZV_API Abort(ADMTrackerRef ref) {
  ZV_ADM_FAILPOINT(Abort, );
  if (Tracker *tracker = ZV_ADM_FIND(Tracker, ref, Abort)) tracker->aborted = true;
}

#define TRACKER_OPERATIONS(X) X(GetAction) X(GetPoint) X(Abort)

const ADMTrackerSuite2 kTable = {TRACKER_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

void OfferAdmTrackerSuite(SuiteRegistry &suites) {
  suites.Offer(kSuite, kADMTrackerSuiteVersion2, &kTable, {TRACKER_OPERATIONS(ZV_OPERATION_NAME)});
}

}  // namespace zvhost
