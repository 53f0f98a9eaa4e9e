// Which notifications of the dialog manager the panel's item procedures act on.
#pragma once

#include "ADMTypes.h"
#include "base/HostSuites.h"

namespace panel {

// True when the user has changed the item: the one notification the procedures act on.
inline bool IsUserChange(ADMNotifierRef notifier) {
  return Require(gADMNotifierSuite).IsNotifierType(notifier, kADMUserChangedNotifier) != 0;
}

}  // namespace panel
