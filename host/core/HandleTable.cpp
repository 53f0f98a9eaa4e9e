#include "host/core/HandleTable.h"

namespace zvhost {

HostErr HandleKindOwner::Refuse(const void *handle, const char *operation, HostErr answer,
                                const char *deadReason) const {
  if (handle == nullptr) return answer;
  const HandleState state = registry_.Classify(handle);
  HostServices::The().findings.Report(
      suite_ + "/" + operation,
      state == HandleState::kOtherKind ? HandleMisuse(state, handleKind_) : deadReason);
  return answer;
}

}  // namespace zvhost
