#include "host/core/HandleTable.h"

namespace zvhost {

HostErr RefuseHandle(const HandleStoreBase &store, const std::string &suite, const void *handle,
                     const char *operation, HostErr answer, const char *deadReason) {
  if (handle == nullptr) return answer;
  const HandleState state = store.Registry().Classify(handle);
  HostServices::The().findings.Report(
      suite + "/" + operation,
      state == HandleState::kOtherKind ? HandleMisuse(state, store.Kind()) : deadReason);
  return answer;
}

}  // namespace zvhost
